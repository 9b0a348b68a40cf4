#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/codeinsertion.h"
#include "ide/model/newcontrol.h"
#include "ide/model/propertytable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>

namespace vbhost {

using automation::Error;
using automation::Value;

// --- members and controls -----------------------------------------------------------------

namespace {

// New members are written in the format of the project's forms, else of its project file.
QString projectFormVersion(const WorkspaceData &w)
{
    for (const auto &d : w.documents) {
        if (d->kind == DocumentKind::Form && !d->file->version().isEmpty())
            return d->file->version();
    }
    return w.project->value(QStringLiteral("Type")).isEmpty() ? QStringLiteral("4.00")
                                                              : QStringLiteral("5.00");
}

} // namespace

Document &WorkspaceData::addFormTemplate(Origin origin)
{
    if (!project)
        throw Error::notSet();
    const QString version = projectFormVersion(*this);
    const QString name = uniqueDocumentName(QStringLiteral("Form"));
    return addNewDocument(DocumentKind::Form, FormFile::newForm(name, version, project->codePage()),
                          origin);
}

Document &WorkspaceData::addCodeMember(DocumentKind kind, Origin origin)
{
    if (!project)
        throw Error::notSet();
    if (kind != DocumentKind::Module && kind != DocumentKind::Class)
        throw Error::invalidCall();
    const bool module = kind == DocumentKind::Module;
    const QString name =
        uniqueDocumentName(module ? QStringLiteral("Module") : QStringLiteral("Class"));
    return addNewDocument(
        kind,
        module ? FormFile::newModule(name, project->codePage())
               : FormFile::newClass(name, projectFormVersion(*this), project->codePage()),
        origin);
}

void WorkspaceData::renameMember(int id, const QString &name, Origin origin)
{
    Document *doc = document(id);
    if (!doc || !isCodeMember(doc->kind))
        throw Error::invalidCall();
    if (hasDesigner(doc->kind)) {
        writeProperty(*doc, *formForDesigner(id).file->root(), QStringLiteral("Name"), Value(name),
                      origin);
        return;
    }
    PropertyRule rule;
    rule.name = QStringLiteral("Name");
    rule.type = PropertyType::Name;
    rule.max = 40;
    const QString valid =
        PropertyTable::validate(rule, Value(name), doc->file->codePage()).toString();
    if (valid == doc->name())
        return;
    if (documentNameInUse(valid, doc))
        throw nameInUseError(valid);
    beginChange(origin, doc);
    // A module's and a class's project lines carry their names.
    if (const QString line = memberLineFor(doc->path);
        !line.isEmpty() && project->setMemberName(line, valid))
        projectDirty = true;
    doc->file->setModuleName(valid);
    markDirty(*doc, Workspace::Change::Documents);
}

Document &WorkspaceData::addNewDocument(DocumentKind kind, FormFile file, Origin origin)
{
    beginChange(origin, nullptr);
    auto doc = std::make_unique<Document>();
    doc->id = nextDocumentId++;
    doc->kind = kind;
    doc->file = std::make_unique<FormFile>(std::move(file));
    doc->path = QDir(projectFolder()).absoluteFilePath(doc->name() + u'.' + memberSuffix(kind));
    doc->file->setFileName(doc->path);
    doc->isNew = true;
    doc->dirty = true;
    indexDocument(*doc);
    Document &ref = *doc;
    documents.push_back(std::move(doc));
    announce(Workspace::Change::Documents, ref.id);
    if (hasDesigner(kind))
        setActiveForm(ref.id);
    return ref;
}

int WorkspaceData::nextTabIndex(const Document &doc) const
{
    int next = 0;
    for (const ControlNode *c : doc.file->controls()) {
        if (auto t = storedNumber(*c, QStringLiteral("TabIndex")))
            next = std::max(next, int(*t) + 1);
    }
    return next;
}

ControlNode &WorkspaceData::addControl(Document &doc, ControlNode &container,
                                       const QString &className, Origin origin)
{
    const PropertyTable &table = PropertyTable::instance();
    const QString cls = table.canonicalClassName(className);
    if (!table.isKnownClass(className) || !table.addableClasses().contains(cls))
        throw Error(711, QStringLiteral("Invalid class string"));
    beginChange(origin, &doc);
    const NewControlStyle style = newControlStyle(cls);
    const QString name = uniqueControlName(doc, style.baseName);
    ControlNode *n = container.addChild(cls, name);

    QList<std::pair<QString, QString>> props = style.fixed;
    const auto has = [&](const char *p) { return table.find(cls, QString::fromLatin1(p)); };
    const auto number = [](double v) { return QString::number(v); };
    if (cls == u"Line") {
        props << std::pair{QStringLiteral("X1"), number(120)}
              << std::pair{QStringLiteral("X2"), number(120 + style.defaultSize.width())}
              << std::pair{QStringLiteral("Y1"), number(120)}
              << std::pair{QStringLiteral("Y2"), number(120)};
    } else {
        props << std::pair{QStringLiteral("Left"), number(120)}
              << std::pair{QStringLiteral("Top"), number(120)};
        if (!style.defaultSize.isEmpty()) {
            props << std::pair{QStringLiteral("Width"), number(style.defaultSize.width())}
                  << std::pair{QStringLiteral("Height"), number(style.defaultSize.height())};
        }
    }
    if (cls == u"PictureBox") {
        const QSize scale =
            pictureBoxScale(style.defaultSize.width(), style.defaultSize.height(), 1, 1);
        props << std::pair{QStringLiteral("ScaleHeight"), number(scale.height())}
              << std::pair{QStringLiteral("ScaleWidth"), number(scale.width())};
    }
    if (!style.nameProperty.isEmpty())
        props << std::pair{style.nameProperty, quoteString(name)};
    if (has("TabIndex"))
        props << std::pair{QStringLiteral("TabIndex"), QString::number(nextTabIndex(doc))};
    std::sort(props.begin(), props.end(), [](const auto &a, const auto &b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
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
