#include "ide/model/workspacedata.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/propertytable.h"
#include "platform/basic/basic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

// An add-in's action is a run of calls; it ends when the add-in has been quiet this long.
constexpr int AutomationQuietMs = 400;
constexpr int UndoLimit = 100;

const QString ClientOf[][2] = {{QStringLiteral("Height"), QStringLiteral("ClientHeight")},
                               {QStringLiteral("Width"), QStringLiteral("ClientWidth")},
                               {QStringLiteral("Left"), QStringLiteral("ClientLeft")},
                               {QStringLiteral("Top"), QStringLiteral("ClientTop")}};
// Outer minus client measure of a sizable form with a caption, for files that store only the
// client area.
const double ClientDelta[] = {405, 120, -60, -345};

int outerIndex(const QString &name)
{
    for (int i = 0; i < 4; ++i) {
        if (ClientOf[i][0].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isGeometry(const QString &name)
{
    static const QStringList names{QStringLiteral("Left"),  QStringLiteral("Top"),
                                   QStringLiteral("Width"), QStringLiteral("Height"),
                                   QStringLiteral("X1"),    QStringLiteral("X2"),
                                   QStringLiteral("Y1"),    QStringLiteral("Y2")};
    return names.contains(name, Qt::CaseInsensitive);
}

std::optional<double> storedNumber(const ControlNode &node, const QString &name)
{
    const auto p = node.property(name);
    if (!p)
        return std::nullopt;
    QString v, c;
    splitValueAndComment(p->valueText, &v, &c);
    return parseNumber(v);
}

// A property of a class the table does not cover, typed by how the file writes it.
PropertyRule ruleByLook(const FormProperty &p)
{
    PropertyRule s;
    s.name = p.name;
    QString v, c;
    splitValueAndComment(p.valueText, &v, &c);
    if (!p.comment.isEmpty())
        c = p.comment;
    const PropertyValue pv = parsePropertyValue(v);
    switch (pv.kind) {
    case PropertyValue::Kind::String:
        s.type = PropertyType::String;
        break;
    case PropertyValue::Kind::Number:
        if ((pv.number == 0 || pv.number == -1) &&
            (c.trimmed().compare(u"True", Qt::CaseInsensitive) == 0 ||
             c.trimmed().compare(u"False", Qt::CaseInsensitive) == 0))
            s.type = PropertyType::Boolean;
        else
            s.type = PropertyType::Twips;
        break;
    case PropertyValue::Kind::Colour:
        s.type = PropertyType::Colour;
        break;
    default:
        s.type = PropertyType::Raw;
        break;
    }
    return s;
}

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

Error nameInUseError(const QString &name)
{
    return Error(727, QStringLiteral("The name '%1' is already in use").arg(name));
}

Error fileNotFoundError()
{
    return Error(53, QStringLiteral("File not found"));
}

WorkspaceData::WorkspaceData(Workspace *q) : q(q)
{
    stepTimer.setSingleShot(true);
    QObject::connect(&stepTimer, &QTimer::timeout, q, [this] { closeStep(); });
    QObject::connect(&menu, &AddInMenu::changed, q, &Workspace::addInMenuChanged);
    QObject::connect(&menu, &AddInMenu::handlerError, q, &Workspace::handlerError);
}

WorkspaceData::~WorkspaceData() = default;

// --- lookup -----------------------------------------------------------------------------

Document *WorkspaceData::document(int id) const
{
    for (const auto &d : documents) {
        if (d->id == id)
            return d.get();
    }
    return nullptr;
}

Document &WorkspaceData::liveDocument(int gen, int id) const
{
    Document *doc = gen == generation && project ? document(id) : nullptr;
    if (!doc)
        throw Error::notSet();
    return *doc;
}

ControlNode *WorkspaceData::node(const Document &doc, quint64 uid) const
{
    return doc.nodes.value(uid, nullptr);
}

ControlNode &WorkspaceData::liveNode(const Document &doc, quint64 uid) const
{
    ControlNode *n = node(doc, uid);
    if (!n)
        throw Error::notSet();
    return *n;
}

quint64 WorkspaceData::uidOf(Document &doc, const ControlNode *n)
{
    auto it = doc.uids.constFind(n);
    if (it != doc.uids.cend())
        return *it;
    const quint64 uid = nextUid++;
    doc.uids.insert(n, uid);
    doc.nodes.insert(uid, const_cast<ControlNode *>(n));
    return uid;
}

void WorkspaceData::indexDocument(Document &doc, const QList<quint64> &uidOrder)
{
    doc.nodes.clear();
    doc.uids.clear();
    if (!doc.file->root())
        return;
    QList<ControlNode *> all{doc.file->root()};
    all += doc.file->controls();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const quint64 uid = i < uidOrder.size() ? uidOrder[i] : nextUid++;
        doc.nodes.insert(uid, all[i]);
        doc.uids.insert(all[i], uid);
    }
}

ControlNode *WorkspaceData::nodeForKey(const Document &doc, const QString &key) const
{
    if (key.isEmpty())
        return doc.kind == DocumentKind::Form ? doc.file->root() : nullptr;
    for (ControlNode *n : doc.file->controls()) {
        if (n->displayName().compare(key, Qt::CaseInsensitive) == 0)
            return n;
    }
    return nullptr;
}

QString WorkspaceData::keyOf(const ControlNode &n) const
{
    return n.parent() ? n.displayName() : QString();
}

Document &WorkspaceData::formForDesigner(int formId) const
{
    Document *doc = document(formId);
    if (!doc || doc->kind != DocumentKind::Form || !doc->file->root())
        throw Error::invalidCall();
    return *doc;
}

// --- changes ----------------------------------------------------------------------------

UndoStep::DocumentState WorkspaceData::snapshot(const Document &doc) const
{
    UndoStep::DocumentState s{doc.kind, doc.file->toBytes(), doc.file->fileName(),
                              doc.path, doc.isNew,           doc.dirty,
                              {},       doc.selection};
    if (const ControlNode *root = doc.file->root()) {
        s.uidOrder << doc.uids.value(root);
        for (const ControlNode *n : doc.file->controls())
            s.uidOrder << doc.uids.value(n);
    }
    return s;
}

void WorkspaceData::beginChange(Origin origin, Document *doc)
{
    if (openStep && openStep->origin != origin)
        closeStep();
    if (!openStep) {
        UndoStep s;
        s.origin = origin;
        s.projectBytes = project ? project->toBytes() : QByteArray();
        s.projectDirty = projectDirty;
        for (const auto &d : documents)
            s.documentOrder << d->id;
        s.activeForm = activeForm;
        s.saveCount = saveCount;
        const bool had = !undoStack.isEmpty();
        openStep = std::move(s);
        if (!had)
            emit q->undoChanged(true);
    }
    if (doc && !openStep->documents.contains(doc->id))
        openStep->documents.insert(doc->id, snapshot(*doc));
    stepTimer.start(origin == Origin::Designer ? 0 : AutomationQuietMs);
}

void WorkspaceData::touchAutomation()
{
    if (openStep && openStep->origin == Origin::Automation)
        stepTimer.start(AutomationQuietMs);
}

void WorkspaceData::announce(Workspace::Change what, int documentId)
{
    emit q->changed(what, documentId);
    updateModified();
}

void WorkspaceData::markDirty(Document &doc, Workspace::Change what)
{
    doc.dirty = true;
    announce(what, doc.id);
}

bool WorkspaceData::isModified() const
{
    if (!project)
        return false;
    if (projectDirty)
        return true;
    for (const auto &d : documents) {
        if (d->dirty || d->isNew)
            return true;
    }
    return false;
}

void WorkspaceData::updateModified()
{
    const bool m = isModified();
    if (m != lastModified) {
        lastModified = m;
        emit q->modifiedChanged(m);
    }
}

void WorkspaceData::closeStep()
{
    stepTimer.stop();
    if (!openStep)
        return;
    undoStack.append(std::move(*openStep));
    openStep.reset();
    while (undoStack.size() > UndoLimit)
        undoStack.removeFirst();
}

std::unique_ptr<Document> WorkspaceData::restoreDocument(int id, const UndoStep::DocumentState &s)
{
    auto doc = std::make_unique<Document>();
    doc->id = id;
    doc->kind = s.kind;
    doc->file =
        std::make_unique<FormFile>(FormFile::fromBytes(s.bytes, s.fileName, project->codePage()));
    doc->path = s.path;
    doc->isNew = s.isNew;
    doc->dirty = s.dirty;
    indexDocument(*doc, s.uidOrder);
    for (quint64 uid : s.selection) {
        if (doc->nodes.contains(uid))
            doc->selection << uid;
    }
    return doc;
}

void WorkspaceData::undo()
{
    closeStep();
    if (undoStack.isEmpty() || !project)
        return;
    const UndoStep step = undoStack.takeLast();
    const bool savedSince = step.saveCount != saveCount;

    // Parse everything first, so a failure leaves the current state whole.
    std::unique_ptr<ProjectFile> restoredProject;
    std::vector<std::unique_ptr<Document>> restored;
    try {
        restoredProject = std::make_unique<ProjectFile>(
            ProjectFile::fromBytes(step.projectBytes, project->fileName(), project->codePage()));
        for (int id : step.documentOrder) {
            if (step.documents.contains(id)) {
                auto doc = restoreDocument(id, step.documents.value(id));
                if (savedSince) {
                    doc->dirty = true;
                    if (Document *now = document(id); now && !now->isNew) {
                        doc->isNew = false;
                        doc->path = now->path;
                        doc->file->setFileName(now->path);
                    }
                }
                restored.push_back(std::move(doc));
            } else {
                restored.push_back(nullptr); // taken from the current list below
            }
        }
    } catch (const ParseError &) {
        emit q->undoChanged(!undoStack.isEmpty());
        return;
    }
    for (size_t i = 0; i < restored.size(); ++i) {
        if (restored[i])
            continue;
        const int id = step.documentOrder[qsizetype(i)];
        for (auto &d : documents) {
            if (d && d->id == id)
                restored[i] = std::move(d);
        }
    }
    std::erase(restored, nullptr);
    project = std::move(restoredProject);
    projectDirty = savedSince || step.projectDirty;
    documents = std::move(restored);
    const int oldActive = activeForm;
    activeForm = document(step.activeForm) ? step.activeForm : -1;

    emit q->changed(Workspace::Change::Documents, -1);
    emit q->changed(Workspace::Change::Controls, -1);
    emit q->changed(Workspace::Change::Code, -1);
    if (oldActive != activeForm)
        emit q->activeFormChanged(activeForm);
    emit q->selectionChanged();
    emit q->undoChanged(!undoStack.isEmpty());
    updateModified();
}

// --- properties -------------------------------------------------------------------------

QList<PropertyRule> WorkspaceData::propertyRules(const ControlNode &n) const
{
    const PropertyTable &table = PropertyTable::instance();
    const QString cls = n.shortClassName();
    QList<PropertyRule> rules = table.properties(cls);
    for (const FormProperty &p : n.properties()) {
        if (!table.find(cls, p.name))
            rules << ruleByLook(p);
    }
    return rules;
}

const PropertyRule *WorkspaceData::findRule(const ControlNode &n, const QString &name,
                                            PropertyRule *scratch) const
{
    if (const PropertyRule *s = PropertyTable::instance().find(n.shortClassName(), name))
        return s;
    if (auto p = n.property(name.trimmed())) {
        *scratch = ruleByLook(*p);
        return scratch;
    }
    return nullptr;
}

Value WorkspaceData::readFormGeometry(const ControlNode &n, const QString &name) const
{
    if (auto v = storedNumber(n, name))
        return basic::longOrDouble<Value>(*v);
    const int i = outerIndex(name);
    if (auto c = storedNumber(n, ClientOf[i][1]))
        return basic::longOrDouble<Value>(*c + ClientDelta[i]);
    return Value(qint32(0));
}

Value WorkspaceData::readProperty(const Document &doc, const ControlNode &n,
                                  const QString &name) const
{
    PropertyRule scratch;
    const PropertyRule *rule = findRule(n, name, &scratch);
    if (!rule)
        throw Error::propertyNotFound();
    if (rule->type == PropertyType::Name)
        return Value(n.parent() ? n.name() : doc.file->moduleName());
    if (rule->type == PropertyType::Index) {
        const auto index = n.index();
        return index ? Value(qint32(*index)) : Value();
    }
    if (!n.parent() && outerIndex(rule->name) >= 0)
        return readFormGeometry(n, rule->name);
    if (auto p = n.property(rule->name)) {
        QString v, c;
        splitValueAndComment(p->valueText, &v, &c);
        return PropertyTable::fromFileText(rule, v, p->comment.isEmpty() ? c : p->comment);
    }
    return rule->defaultValue;
}

void WorkspaceData::writeFormGeometry(ControlNode &n, const PropertyRule &rule, double value)
{
    const int i = outerIndex(rule.name);
    const QString &client = ClientOf[i][1];
    const double old = readFormGeometry(n, rule.name).toDouble();
    const auto oldClient = storedNumber(n, client);
    if (n.hasProperty(rule.name) || !oldClient)
        n.setProperty(rule.name, formatNumber(value));
    if (!oldClient)
        return;
    double newClient = *oldClient + (value - old);
    if (rule.positive && newClient < 0)
        newClient = 0;
    n.setProperty(client, formatNumber(newClient));
    // A twips scale follows the client area.
    const QString scale = i == 0   ? QStringLiteral("ScaleHeight")
                          : i == 1 ? QStringLiteral("ScaleWidth")
                                   : QString();
    if (!scale.isEmpty() && storedNumber(n, scale) == oldClient)
        n.setProperty(scale, formatNumber(newClient));
}

void WorkspaceData::rename(Document &doc, ControlNode &n, const QString &name)
{
    if (!n.parent()) {
        if (name == doc.file->moduleName())
            return;
        if (documentNameInUse(name, &doc))
            throw nameInUseError(name);
        // The project names its start-up and icon forms; they follow the rename.
        const QString old = doc.file->moduleName();
        for (const QString &key : {QStringLiteral("Startup"), QStringLiteral("IconForm")}) {
            if (project->textValue(key).compare(old, Qt::CaseInsensitive) == 0) {
                project->setValue(key, quoteString(name));
                projectDirty = true;
            }
        }
        doc.file->setModuleName(name);
        emit q->changed(Workspace::Change::Documents, doc.id);
        return;
    }
    if (name == n.name())
        return;
    for (const ControlNode *c : doc.file->controls()) {
        if (c != &n && c->name().compare(name, Qt::CaseInsensitive) == 0)
            throw nameInUseError(name);
    }
    n.setName(name);
}

void WorkspaceData::setIndex(Document &doc, ControlNode &n, int index)
{
    for (const ControlNode *c : doc.file->controls()) {
        if (c == &n || c->name().compare(n.name(), Qt::CaseInsensitive) != 0)
            continue;
        const auto other = c->index();
        if (!other || *other == index)
            throw Error::invalidPropertyValue();
    }
    n.setProperty(QStringLiteral("Index"), QString::number(index));
}

void WorkspaceData::writeProperty(Document &doc, ControlNode &n, const QString &name,
                                  const Value &value, Origin origin)
{
    PropertyRule scratch;
    const PropertyRule *rule = findRule(n, name, &scratch);
    if (!rule)
        throw Error::propertyNotFound();
    const Value v = PropertyTable::validate(*rule, value, doc.file->codePage());
    beginChange(origin, &doc);
    switch (rule->type) {
    case PropertyType::Name:
        rename(doc, n, v.toString());
        break;
    case PropertyType::Index:
        setIndex(doc, n, v.toLong());
        break;
    case PropertyType::Shortcut:
        if (v.toLong() == 0)
            n.removeProperty(rule->name);
        else
            n.setProperty(rule->name, PropertyTable::toFileText(*rule, v));
        break;
    default:
        if (!n.parent() && outerIndex(rule->name) >= 0)
            writeFormGeometry(n, *rule, v.toDouble());
        else
            n.setProperty(rule->name, PropertyTable::toFileText(*rule, v));
        break;
    }
    const bool shape = rule->type == PropertyType::Name || rule->type == PropertyType::Index ||
                       isGeometry(rule->name);
    markDirty(doc, shape ? Workspace::Change::Controls : Workspace::Change::Properties);
}

// --- operations -------------------------------------------------------------------------

QString WorkspaceData::projectFolder() const
{
    return project ? project->folder() : QString();
}

bool WorkspaceData::documentNameInUse(const QString &name, const Document *except) const
{
    for (const auto &d : documents) {
        if (d.get() != except && d->name().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString WorkspaceData::uniqueDocumentName(const QString &base) const
{
    for (int n = 1;; ++n) {
        const QString name = base + QString::number(n);
        if (!documentNameInUse(name, nullptr))
            return name;
    }
}

QString WorkspaceData::uniqueControlName(const Document &doc, const QString &base) const
{
    const auto controls = doc.file->controls();
    for (int n = 1;; ++n) {
        const QString name = base + QString::number(n);
        const bool used = std::any_of(controls.begin(), controls.end(), [&](const ControlNode *c) {
            return c->name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!used)
            return name;
    }
}

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

void WorkspaceData::setActiveForm(int formId)
{
    if (formId != -1) {
        const Document *doc = document(formId);
        if (!doc || doc->kind != DocumentKind::Form)
            formId = -1;
    }
    if (formId == activeForm)
        return;
    activeForm = formId;
    emit q->activeFormChanged(formId);
    emit q->selectionChanged();
}

void WorkspaceData::setSelection(Document &doc, const QList<quint64> &uids)
{
    QList<quint64> clean;
    for (quint64 u : uids) {
        const ControlNode *n = node(doc, u);
        if (n && n->parent() && !clean.contains(u))
            clean << u;
    }
    if (clean == doc.selection)
        return;
    doc.selection = clean;
    if (doc.id == activeForm)
        emit q->selectionChanged();
}

} // namespace vbhost
