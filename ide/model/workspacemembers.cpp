#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/codeinsertion.h"
#include "ide/model/propertytable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

QString baseNameFor(const QString &cls)
{
    static const QHash<QString, QString> bases{
        {QStringLiteral("CommandButton"), QStringLiteral("Command")},
        {QStringLiteral("TextBox"), QStringLiteral("Text")},
        {QStringLiteral("OptionButton"), QStringLiteral("Option")},
        {QStringLiteral("CheckBox"), QStringLiteral("Check")},
        {QStringLiteral("ListBox"), QStringLiteral("List")},
        {QStringLiteral("ComboBox"), QStringLiteral("Combo")},
        {QStringLiteral("PictureBox"), QStringLiteral("Picture")},
        {QStringLiteral("HScrollBar"), QStringLiteral("HScroll")},
        {QStringLiteral("VScrollBar"), QStringLiteral("VScroll")},
        {QStringLiteral("FileListBox"), QStringLiteral("File")},
        {QStringLiteral("DirListBox"), QStringLiteral("Dir")},
        {QStringLiteral("DriveListBox"), QStringLiteral("Drive")}};
    return bases.value(cls, cls);
}

QSize defaultSize(const QString &cls)
{
    static const QHash<QString, QSize> sizes{{QStringLiteral("CommandButton"), {1215, 495}},
                                             {QStringLiteral("TextBox"), {1215, 495}},
                                             {QStringLiteral("Label"), {1215, 255}},
                                             {QStringLiteral("Frame"), {1815, 1215}},
                                             {QStringLiteral("OptionButton"), {1215, 255}},
                                             {QStringLiteral("CheckBox"), {1215, 255}},
                                             {QStringLiteral("ListBox"), {1215, 645}},
                                             {QStringLiteral("ComboBox"), {1215, 315}},
                                             {QStringLiteral("PictureBox"), {1215, 1215}},
                                             {QStringLiteral("Image"), {1215, 1215}},
                                             {QStringLiteral("Shape"), {1215, 1215}},
                                             {QStringLiteral("HScrollBar"), {1215, 255}},
                                             {QStringLiteral("VScrollBar"), {255, 1215}},
                                             {QStringLiteral("FileListBox"), {1215, 1065}},
                                             {QStringLiteral("DirListBox"), {1215, 1215}},
                                             {QStringLiteral("DriveListBox"), {1215, 315}},
                                             {QStringLiteral("Data"), {1215, 345}}};
    return sizes.value(cls, QSize(1215, 495));
}

} // namespace

// --- members and controls -----------------------------------------------------------------

Document &WorkspaceData::addFormTemplate(Origin origin)
{
    if (!project)
        throw Error::notSet();
    QString version;
    for (const auto &d : documents) {
        if (d->kind == DocumentKind::Form && !d->file->version().isEmpty()) {
            version = d->file->version();
            break;
        }
    }
    if (version.isEmpty())
        version = project->value(QStringLiteral("Type")).isEmpty() ? QStringLiteral("4.00")
                                                                   : QStringLiteral("5.00");
    beginChange(origin, nullptr);
    const QString name = uniqueDocumentName(QStringLiteral("Form"));
    auto doc = std::make_unique<Document>();
    doc->id = nextDocumentId++;
    doc->kind = DocumentKind::Form;
    doc->path = QDir(projectFolder()).absoluteFilePath(name + QStringLiteral(".frm"));
    doc->file = std::make_unique<FormFile>(FormFile::newForm(name, version, project->codePage()));
    doc->file->setFileName(doc->path);
    doc->isNew = true;
    doc->dirty = true;
    indexDocument(*doc);
    Document &ref = *doc;
    documents.push_back(std::move(doc));
    announce(Workspace::Change::Documents, ref.id);
    setActiveForm(ref.id);
    return ref;
}

ControlNode &WorkspaceData::addControl(Document &doc, ControlNode &container,
                                       const QString &className, Origin origin)
{
    const PropertyTable &table = PropertyTable::instance();
    const QString cls = table.canonicalClassName(className);
    if (!table.isKnownClass(className) || !table.addableClasses().contains(cls))
        throw Error(711, QStringLiteral("Invalid class string"));
    beginChange(origin, &doc);
    const QString name = uniqueControlName(doc, baseNameFor(cls));
    ControlNode *n = container.addChild(cls, name);

    QList<std::pair<QString, QString>> props;
    const auto has = [&](const char *p) { return table.find(cls, QString::fromLatin1(p)); };
    if (cls == u"Line") {
        props = {{QStringLiteral("X1"), QStringLiteral("120")},
                 {QStringLiteral("X2"), QStringLiteral("1335")},
                 {QStringLiteral("Y1"), QStringLiteral("120")},
                 {QStringLiteral("Y2"), QStringLiteral("120")}};
    } else {
        props = {{QStringLiteral("Left"), QStringLiteral("120")},
                 {QStringLiteral("Top"), QStringLiteral("120")}};
        if (has("Width")) {
            const QSize s = defaultSize(cls);
            props << std::pair{QStringLiteral("Width"), QString::number(s.width())}
                  << std::pair{QStringLiteral("Height"), QString::number(s.height())};
        }
    }
    if (has("Caption") && cls != u"Image")
        props << std::pair{QStringLiteral("Caption"), quoteString(name)};
    else if (has("Text"))
        props << std::pair{QStringLiteral("Text"), quoteString(name)};
    if (has("TabIndex")) {
        int next = 0;
        for (const ControlNode *c : doc.file->controls()) {
            if (auto t = storedNumber(*c, QStringLiteral("TabIndex")))
                next = std::max(next, int(*t) + 1);
        }
        props << std::pair{QStringLiteral("TabIndex"), QString::number(next)};
    }
    std::sort(props.begin(), props.end());
    for (const auto &[k, v] : props)
        n->setProperty(k, v);
    uidOf(doc, n);
    markDirty(doc, Workspace::Change::Controls);
    return *n;
}

ControlNode &WorkspaceData::addMenu(Document &doc, const QString &name, ControlNode *parentMenu,
                                    Origin origin)
{
    if (!isValidIdentifier(name))
        throw Error::invalidPropertyValue();
    ControlNode *parent = parentMenu ? parentMenu : doc.file->root();
    if (parentMenu && !parentMenu->isMenu())
        throw Error::invalidCall();
    std::optional<int> index;
    for (const ControlNode *c : doc.file->controls()) {
        if (c->name().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        // Joining an existing menu array is allowed; it takes the next free index.
        const auto i = c->index();
        if (!c->isMenu() || !i)
            throw nameInUseError(name);
        index = std::max(index.value_or(0), *i + 1);
    }
    beginChange(origin, &doc);
    ControlNode *n = parent->addChild(QStringLiteral("Menu"), name);
    if (index)
        n->setProperty(QStringLiteral("Index"), QString::number(*index));
    uidOf(doc, n);
    markDirty(doc, Workspace::Change::Controls);
    return *n;
}

void WorkspaceData::insertFile(Document &doc, const QString &path, Origin origin)
{
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.exists())
        throw fileNotFoundError();
    QFile f(path);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly))
        throw Error(75, QStringLiteral("Path/File access error"));
    const QString text = doc.file->codePage().decode(f.readAll());
    const CodeInsertion plan = planInsertion(doc.file->codeLines(), text);
    beginChange(origin, &doc);
    if (plan.declarationsAt >= 0)
        doc.file->insertCode(plan.declarationsAt, plan.declarations);
    doc.file->appendCode(plan.procedures);
    markDirty(doc, Workspace::Change::Code);
}

void WorkspaceData::removeControls(Document &doc, const QList<ControlNode *> &nodes, Origin origin)
{
    QList<ControlNode *> top;
    for (ControlNode *n : nodes) {
        if (!n || !n->parent() || top.contains(n))
            continue;
        bool inside = false;
        for (const ControlNode *p = n->parent(); p; p = p->parent())
            inside = inside || nodes.contains(const_cast<ControlNode *>(p));
        if (!inside)
            top << n;
    }
    if (top.isEmpty())
        return;
    beginChange(origin, &doc);
    bool selectionTouched = false;
    for (ControlNode *n : top) {
        QList<ControlNode *> gone{n};
        gone += n->descendants();
        for (ControlNode *g : gone) {
            const quint64 uid = doc.uids.take(g);
            doc.nodes.remove(uid);
            selectionTouched = doc.selection.removeAll(uid) > 0 || selectionTouched;
        }
        n->parent()->removeChild(n);
    }
    markDirty(doc, Workspace::Change::Controls);
    if (selectionTouched && doc.id == activeForm)
        emit q->selectionChanged();
}

} // namespace vbhost
