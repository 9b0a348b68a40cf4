#include "ide/model/workspacedata_p.h"

#include <QFileInfo>

namespace vbhost {

using automation::Error;
using automation::Value;

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

const CarriedFile *WorkspaceData::carriedFile(int id) const
{
    for (const CarriedFile &c : carried) {
        if (c.id == id)
            return &c;
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
        return hasDesigner(doc.kind) ? doc.file->root() : nullptr;
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
    if (!doc || !hasDesigner(doc->kind) || !doc->file->root())
        throw Error::invalidCall();
    return *doc;
}

// --- names --------------------------------------------------------------------------------

QString WorkspaceData::projectFolder() const
{
    return project ? project->folder() : QString();
}

QString WorkspaceData::memberLineFor(const QString &absolutePath) const
{
    for (const ProjectMember &m : project->members()) {
        if (QFileInfo(project->memberFilePath(m.path)).absoluteFilePath() == absolutePath)
            return m.path;
    }
    return {};
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

// --- selection ----------------------------------------------------------------------------

void WorkspaceData::setActiveForm(int formId)
{
    if (formId != -1) {
        const Document *doc = document(formId);
        if (!doc || !hasDesigner(doc->kind))
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
    // One container at a time: the control chosen last decides which, so that Ctrl+click on a
    // control of another container starts a new selection there.
    if (!clean.isEmpty()) {
        const ControlNode *container = node(doc, clean.back())->parent();
        clean.removeIf([&](quint64 u) { return node(doc, u)->parent() != container; });
    }
    if (clean == doc.selection)
        return;
    doc.selection = clean;
    if (doc.id == activeForm)
        emit q->selectionChanged();
}

} // namespace vbhost
