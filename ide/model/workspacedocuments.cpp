#include "ide/model/workspacedata_p.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
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

WorkspaceError fromParseError(const ParseError &e)
{
    return WorkspaceError(e.fileName(), e.line(), e.message());
}

} // namespace

// --- operations -------------------------------------------------------------------------

void WorkspaceData::open(const QString &vbpPath, int codePage)
{
    const QString path = QFileInfo(vbpPath).absoluteFilePath();
    std::unique_ptr<ProjectFile> proj;
    std::vector<std::unique_ptr<Document>> docs;
    QList<ProjectMember> missingMembers;
    int nextId = nextDocumentId;
    try {
        const std::optional<CodePage> chosen = CodePage::fromNumber(codePage);
        if (codePage != 0 && !chosen)
            throw WorkspaceError(path, 0,
                                 QStringLiteral("code page %1 is not supported").arg(codePage));
        proj = std::make_unique<ProjectFile>(ProjectFile::load(path, chosen.value_or(CodePage())));
        if (!chosen)
            proj->setCodePage(proj->detectCodePage());
        for (const ProjectMember &m : proj->members()) {
            DocumentKind kind;
            switch (m.kind) {
            case ProjectMember::Kind::Form:
                kind = DocumentKind::Form;
                break;
            case ProjectMember::Kind::Module:
                kind = DocumentKind::Module;
                break;
            case ProjectMember::Kind::Class:
                kind = DocumentKind::Class;
                break;
            default:
                continue; // kept in the project file, not shown
            }
            const QString file = QFileInfo(proj->memberFilePath(m.path)).absoluteFilePath();
            // A member on the author's machine only: the rest of the project still opens, and
            // the project file keeps naming it.
            if (!QFileInfo(file).isFile()) {
                missingMembers << m;
                continue;
            }
            auto doc = std::make_unique<Document>();
            doc->id = nextId++;
            doc->kind = kind;
            doc->path = file;
            doc->file = std::make_unique<FormFile>(FormFile::load(doc->path, proj->codePage()));
            docs.push_back(std::move(doc));
        }
    } catch (const ParseError &e) {
        throw fromParseError(e);
    }
    close();
    nextDocumentId = nextId;
    project = std::move(proj);
    documents = std::move(docs);
    missing = std::move(missingMembers);
    for (auto &d : documents)
        indexDocument(*d);
    emit q->changed(Workspace::Change::Project, -1);
    emit q->changed(Workspace::Change::Documents, -1);
    updateModified();
}

void WorkspaceData::close()
{
    stepTimer.stop();
    openStep.reset();
    const bool hadUndo = !undoStack.isEmpty();
    undoStack.clear();
    const bool had = project != nullptr;
    project.reset();
    documents.clear();
    missing.clear();
    ++generation;
    projectDirty = false;
    const int oldActive = activeForm;
    activeForm = -1;
    if (had) {
        emit q->changed(Workspace::Change::Project, -1);
        emit q->changed(Workspace::Change::Documents, -1);
    }
    if (oldActive != -1) {
        emit q->activeFormChanged(-1);
        emit q->selectionChanged();
    }
    if (hadUndo)
        emit q->undoChanged(false);
    updateModified();
}

void WorkspaceData::save()
{
    if (!project)
        throw WorkspaceError(QString(), 0, QStringLiteral("No project is open"));
    const QDir folder(projectFolder());
    QStringList listed;
    for (const ProjectMember &m : project->members())
        listed << QFileInfo(project->memberFilePath(m.path)).absoluteFilePath();
    try {
        for (auto &d : documents) {
            if (d->isNew) {
                // Beside the project, named after the form; an existing file is never replaced.
                const QString ext = d->kind == DocumentKind::Form    ? QStringLiteral(".frm")
                                    : d->kind == DocumentKind::Class ? QStringLiteral(".cls")
                                                                     : QStringLiteral(".bas");
                QString candidate = folder.absoluteFilePath(d->name() + ext);
                for (int n = 2; QFileInfo::exists(candidate); ++n)
                    candidate = folder.absoluteFilePath(d->name() + QString::number(n) + ext);
                d->file->saveAs(candidate);
                d->path = candidate;
                d->isNew = false;
                d->dirty = false;
            } else if (d->dirty) {
                d->file->save();
                d->dirty = false;
            }
            if (!listed.contains(d->path)) {
                const auto kind = d->kind == DocumentKind::Form    ? ProjectMember::Kind::Form
                                  : d->kind == DocumentKind::Class ? ProjectMember::Kind::Class
                                                                   : ProjectMember::Kind::Module;
                QString rel = folder.relativeFilePath(d->path);
                rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
                project->addMember(kind, d->name(), rel);
                listed << d->path;
                projectDirty = true;
            }
        }
        if (projectDirty) {
            project->save();
            projectDirty = false;
        }
    } catch (const WriteError &e) {
        updateModified();
        throw WorkspaceError(e.fileName(), 0, e.message());
    }
    ++saveCount;
    announce(Workspace::Change::Project, -1);
}

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

QString WorkspaceData::addFile(const QString &path, Origin origin)
{
    if (!project)
        throw Error::notSet();
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.exists())
        throw fileNotFoundError();
    if (!fi.isFile())
        throw Error(75, QStringLiteral("Path/File access error"));
    const QString ext = fi.suffix().toLower();
    DocumentKind kind;
    ProjectMember::Kind memberKind;
    if (ext == u"frm") {
        kind = DocumentKind::Form;
        memberKind = ProjectMember::Kind::Form;
    } else if (ext == u"cls") {
        kind = DocumentKind::Class;
        memberKind = ProjectMember::Kind::Class;
    } else if (ext == u"bas") {
        kind = DocumentKind::Module;
        memberKind = ProjectMember::Kind::Module;
    } else {
        throw Error(321, QStringLiteral("Invalid file format"));
    }
    const QString canonical = fi.canonicalFilePath();
    for (const auto &d : documents) {
        if (QFileInfo(d->path).canonicalFilePath() == canonical)
            throw Error(
                727, QStringLiteral("The file '%1' is already in the project").arg(fi.fileName()));
    }
    std::unique_ptr<FormFile> file;
    try {
        file =
            std::make_unique<FormFile>(FormFile::load(fi.absoluteFilePath(), project->codePage()));
    } catch (const ParseError &e) {
        throw Error(321, QStringLiteral("Invalid file format: %1").arg(e.text()));
    }
    const QString name = file->moduleName();
    if (name.isEmpty() || documentNameInUse(name, nullptr))
        throw nameInUseError(name);
    beginChange(origin, nullptr);
    QString rel = QDir(projectFolder()).relativeFilePath(fi.absoluteFilePath());
    rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
    project->addMember(memberKind, name, rel);
    projectDirty = true;
    auto doc = std::make_unique<Document>();
    doc->id = nextDocumentId++;
    doc->kind = kind;
    doc->path = fi.absoluteFilePath();
    doc->file = std::move(file);
    indexDocument(*doc);
    const int id = doc->id;
    documents.push_back(std::move(doc));
    announce(Workspace::Change::Documents, id);
    return name;
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
    beginChange(origin, &doc);
    doc.file->appendCode(text);
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
