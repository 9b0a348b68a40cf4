#include "ide/model/workspace.h"

#include "ide/model/modelobjects.h"
#include "ide/model/propertytable.h"
#include "ide/model/workspacedata_p.h"

#include "ide/files/parseerror.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace vbhost {

using automation::Error;
using automation::Value;
using Origin = UndoStep::Origin;

WorkspaceError::WorkspaceError(const QString &fileName, int line, const QString &message)
    : std::runtime_error((line > 0
                              ? QStringLiteral("%1(%2): %3").arg(fileName).arg(line).arg(message)
                              : QStringLiteral("%1: %2").arg(fileName, message))
                             .toStdString()),
      m_fileName(fileName), m_line(line), m_message(message)
{}

QString WorkspaceError::text() const
{
    return QString::fromStdString(what());
}

Workspace::Workspace(QObject *parent) : QObject(parent), d(std::make_unique<WorkspaceData>(this)) {}

Workspace::~Workspace()
{
    d->stepTimer.stop();
}

WorkspaceData &workspaceData(Workspace &ws)
{
    return *ws.d;
}

void Workspace::open(const QString &vbpPath, int codePage)
{
    d->open(vbpPath, codePage);
}

int Workspace::codePage() const
{
    return d->project ? d->project->codePage().number() : CodePage().number();
}

QList<MissingFile> Workspace::missingFiles() const
{
    QList<MissingFile> out;
    for (const ProjectMember &m : d->missing) {
        const QString message =
            WorkspaceError(
                d->project->fileName(), m.line,
                QStringLiteral("the project names %1, which cannot be found").arg(m.path))
                .text();
        out << MissingFile{m.kind, m.name, m.path, m.line, message};
    }
    return out;
}

void Workspace::newProject()
{
    d->newProject();
}

bool Workspace::isNewProject() const
{
    return d->projectIsNew;
}

void Workspace::close()
{
    d->close();
}

bool Workspace::hasProject() const
{
    return d->project != nullptr;
}

QString Workspace::projectPath() const
{
    return d->project ? d->project->fileName() : QString();
}

QString Workspace::projectName() const
{
    return d->project ? d->project->name() : QString();
}

void Workspace::save(const SaveTargets &targets)
{
    d->save(targets);
}

bool Workspace::isModified() const
{
    return d->isModified();
}

void Workspace::saveAs(const QString &vbpPath)
{
    d->saveAs(vbpPath);
}

bool Workspace::isReadOnly() const
{
    if (!d->project || d->projectIsNew)
        return false;
    const QFileInfo file(d->project->fileName());
    return !QFileInfo(d->projectFolder()).isWritable() || (file.exists() && !file.isWritable());
}

int Workspace::addFile(const QString &path)
{
    return d->addFile(path, Origin::Designer);
}

int Workspace::addNewMember(DocumentKind kind)
{
    return (kind == DocumentKind::Form ? d->addFormTemplate(Origin::Designer)
                                       : d->addCodeMember(kind, Origin::Designer))
        .id;
}

void Workspace::renameMember(int documentId, const QString &name)
{
    d->renameMember(documentId, name, Origin::Designer);
}

void Workspace::removeFile(int documentId)
{
    d->removeFile(documentId, Origin::Designer);
}

void Workspace::saveDocument(int documentId)
{
    Document *doc = d->document(documentId);
    if (!doc)
        return;
    try {
        d->saveDocument(*doc);
    } catch (const WriteError &e) {
        d->updateModified();
        throw WorkspaceError(e.fileName(), 0, e.message());
    } catch (const ParseError &e) {
        d->updateModified();
        throw WorkspaceError(e.fileName(), e.line(), e.message());
    }
    d->announce(Change::Documents, documentId);
}

QList<DocumentInfo> Workspace::documents() const
{
    QList<DocumentInfo> out;
    for (const auto &doc : d->documents)
        out << document(doc->id);
    for (const CarriedFile &c : d->carried)
        out << document(c.id);
    return out;
}

DocumentInfo Workspace::document(int id) const
{
    const Document *doc = d->document(id);
    if (const CarriedFile *c = doc ? nullptr : d->carriedFile(id)) {
        const QString path = c->isNew() ? d->newFileTarget(*c, QDir(d->projectFolder())) : c->path;
        return DocumentInfo{c->id, c->kind, c->name, path, c->isNew(), c->isNew()};
    }
    if (!doc)
        return {};
    const QString path = doc->isNew ? d->newFileTarget(*doc, QDir(d->projectFolder())) : doc->path;
    return DocumentInfo{doc->id,
                        doc->kind,
                        doc->name(),
                        path,
                        doc->isNew,
                        doc->isNew || doc->dirty,
                        doc->isNew && doc->copyOf.isEmpty()};
}

int Workspace::activeForm() const
{
    return d->activeForm;
}

void Workspace::setActiveForm(int formId)
{
    d->setActiveForm(formId);
}

QStringList Workspace::selection() const
{
    QStringList out;
    const Document *doc = d->document(d->activeForm);
    if (!doc)
        return out;
    for (quint64 uid : doc->selection) {
        if (const ControlNode *n = d->node(*doc, uid))
            out << d->keyOf(*n);
    }
    return out;
}

void Workspace::setSelection(const QStringList &keys)
{
    Document *doc = d->document(d->activeForm);
    if (!doc)
        return;
    QList<quint64> uids;
    for (const QString &k : keys) {
        if (!k.isEmpty()) {
            if (const ControlNode *n = d->nodeForKey(*doc, k))
                uids << d->uidOf(*doc, n);
        }
    }
    d->setSelection(*doc, uids);
}

namespace {

double numberOr0(WorkspaceData &d, const Document &doc, const ControlNode &n, const char *name)
{
    try {
        const Value v = d.readProperty(doc, n, QString::fromLatin1(name));
        return v.isNumeric() ? v.toDouble() : 0.0;
    } catch (const Error &) {
        return 0.0;
    }
}

QString displayClass(const ControlNode &n)
{
    const QString c = n.className();
    return c.startsWith(QStringLiteral("VB."), Qt::CaseInsensitive) ? n.shortClassName() : c;
}

} // namespace

const FormFile *Workspace::formFile(int formId) const
{
    const Document *doc = d->document(formId);
    return doc && hasDesigner(doc->kind) ? doc->file.get() : nullptr;
}

QString Workspace::sourcePath(int documentId) const
{
    const Document *doc = d->document(documentId);
    if (!doc)
        return {};
    if (!doc->copyOf.isEmpty())
        return doc->copyOf;
    return doc->isNew ? QString() : doc->path;
}

QList<ControlInfo> Workspace::controls(int formId) const
{
    QList<ControlInfo> out;
    const Document *doc = d->document(formId);
    if (!doc || !hasDesigner(doc->kind))
        return out;
    const PropertyTable &table = PropertyTable::instance();
    for (const ControlNode *n : doc->file->controls()) {
        ControlInfo c;
        c.key = d->keyOf(*n);
        c.name = n->name();
        c.index = n->index().value_or(-1);
        c.className = displayClass(*n);
        c.parentKey = n->parent() && n->parent()->parent() ? d->keyOf(*n->parent()) : QString();
        for (const ControlNode *p = n->parent(); p && p->parent(); p = p->parent())
            ++c.depth;
        c.isMenu = n->isMenu();
        if (n->shortClassName() == u"Line") {
            const double x1 = numberOr0(*d, *doc, *n, "X1"), x2 = numberOr0(*d, *doc, *n, "X2");
            const double y1 = numberOr0(*d, *doc, *n, "Y1"), y2 = numberOr0(*d, *doc, *n, "Y2");
            c.left = std::min(x1, x2);
            c.top = std::min(y1, y2);
            c.width = std::fabs(x2 - x1);
            c.height = std::fabs(y2 - y1);
        } else if (!c.isMenu) {
            c.left = numberOr0(*d, *doc, *n, "Left");
            c.top = numberOr0(*d, *doc, *n, "Top");
            c.width = numberOr0(*d, *doc, *n, "Width");
            c.height = numberOr0(*d, *doc, *n, "Height");
        }
        const char *text = table.find(n->shortClassName(), QStringLiteral("Caption")) ||
                                   n->hasProperty(QStringLiteral("Caption"))
                               ? "Caption"
                               : "Text";
        try {
            const Value v = d->readProperty(*doc, *n, QString::fromLatin1(text));
            c.caption = v.type() == Value::Type::String ? v.toString() : QString();
        } catch (const Error &) {
        }
        out << c;
    }
    return out;
}

QList<PropertyInfo> Workspace::properties(int formId, const QString &key) const
{
    QList<PropertyInfo> out;
    const Document *doc = d->document(formId);
    const ControlNode *n = doc ? d->nodeForKey(*doc, key) : nullptr;
    if (!n)
        return out;
    for (const PropertyRule &s : d->propertyRules(*n)) {
        PropertyInfo p;
        p.name = s.name;
        p.value = d->readProperty(*doc, *n, s.name);
        p.stored = s.type == PropertyType::Name || (s.type == PropertyType::Index && n->index()) ||
                   n->hasProperty(s.name);
        out << p;
    }
    return out;
}

Value Workspace::property(int formId, const QString &key, const QString &name) const
{
    const Document &doc = d->formForDesigner(formId);
    const ControlNode *n = d->nodeForKey(doc, key);
    if (!n)
        throw Error::invalidCall();
    return d->readProperty(doc, *n, name);
}

void Workspace::setProperty(int formId, const QString &key, const QString &name, const Value &value)
{
    Document &doc = d->formForDesigner(formId);
    ControlNode *n = d->nodeForKey(doc, key);
    if (!n)
        throw Error::invalidCall();
    d->writeProperty(doc, *n, name, value, Origin::Designer);
}

void Workspace::setGeometry(int formId, const QString &key, double left, double top, double width,
                            double height)
{
    Document &doc = d->formForDesigner(formId);
    ControlNode *n = d->nodeForKey(doc, key);
    if (!n)
        throw Error::invalidCall();
    const std::pair<const char *, double> values[] = {
        {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
    // Check every value before changing any, so a refused one changes nothing.
    PropertyRule scratch;
    for (const auto &[name, v] : values) {
        if (const PropertyRule *s = d->findRule(*n, QString::fromLatin1(name), &scratch))
            PropertyTable::validate(*s, Value(v), doc.file->codePage());
    }
    for (const auto &[name, v] : values) {
        if (d->findRule(*n, QString::fromLatin1(name), &scratch) &&
            d->readProperty(doc, *n, QString::fromLatin1(name)).toDouble() != v)
            d->writeProperty(doc, *n, QString::fromLatin1(name), Value(v), Origin::Designer);
    }
}

QString Workspace::addControl(int formId, const QString &className, const QString &containerKey,
                              double left, double top, double width, double height)
{
    Document &doc = d->formForDesigner(formId);
    ControlNode *container = d->nodeForKey(doc, containerKey);
    if (!container)
        throw Error::invalidCall();
    ControlNode &n = d->addControl(doc, *container, className, Origin::Designer);
    const QString key = d->keyOf(n);
    if (n.shortClassName() == u"Line") {
        const std::pair<const char *, double> ends[] = {
            {"X1", left}, {"Y1", top}, {"X2", left + width}, {"Y2", top + height}};
        for (const auto &[name, v] : ends)
            d->writeProperty(doc, n, QString::fromLatin1(name), Value(v), Origin::Designer);
    } else {
        setGeometry(formId, key, left, top, width, height); // a fixed icon takes the place only
    }
    return key;
}

void Workspace::removeControls(int formId, const QStringList &keys)
{
    Document &doc = d->formForDesigner(formId);
    QList<ControlNode *> nodes;
    for (const QString &k : keys) {
        if (!k.isEmpty())
            nodes << d->nodeForKey(doc, k);
    }
    d->removeControls(doc, nodes, Origin::Designer);
}

QString Workspace::code(int documentId) const
{
    const Document *doc = d->document(documentId);
    return doc ? doc->file->code() : QString();
}

void Workspace::setCode(int documentId, const QString &text)
{
    Document *doc = d->document(documentId);
    if (!doc)
        throw Error::invalidCall();
    if (doc->file->code() == text)
        return;
    d->beginChange(Origin::Designer, doc);
    doc->file->setCode(text);
    d->markDirty(*doc, Change::Code);
}

automation::ObjectPtr Workspace::application(const QString &owner)
{
    return makeApplicationObject(this, owner);
}

QList<AddInMenuItemInfo> Workspace::addInMenuItems() const
{
    return d->menu.items();
}

void Workspace::chooseMenuItem(int itemId)
{
    d->closeStep(); // what the add-in does now is a step of its own
    d->menu.choose(itemId);
}

void Workspace::removeMenuItemsOf(const QString &owner)
{
    d->menu.removeItemsOf(owner);
}

bool Workspace::canUndo() const
{
    return d->openStep.has_value() || !d->undoStack.isEmpty();
}

void Workspace::undo()
{
    d->undo();
}

bool Workspace::canRedo() const
{
    return !d->redoStack.isEmpty();
}

void Workspace::redo()
{
    d->redo();
}

void Workspace::closeUndoStep()
{
    d->closeStep();
}

} // namespace vbhost
