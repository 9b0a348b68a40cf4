#include "ide/model/workspacedata_p.h"

#include "ide/files/parseerror.h"

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

// An add-in's action is a run of calls; it ends when the add-in has been quiet this long.
constexpr int AutomationQuietMs = 400;
constexpr int UndoLimit = 100;

} // namespace

// --- changes ----------------------------------------------------------------------------

UndoStep::DocumentState WorkspaceData::snapshot(const Document &doc) const
{
    UndoStep::DocumentState s{
        doc.kind, doc.file->toBytes(), doc.file->fileName(), doc.path,     doc.isNew, doc.dirty,
        {},       doc.selection,       doc.copyOf,           doc.companion};
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
        s.carried = carried;
        s.activeForm = activeForm;
        s.saveCount = saveCount;
        const bool had = !undoStack.isEmpty();
        openStep = std::move(s);
        if (!had)
            emit q->undoChanged(true);
        // A new change ends what could be redone.
        if (!redoStack.isEmpty()) {
            redoStack.clear();
            emit q->redoChanged(false);
        }
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
    return std::any_of(carried.begin(), carried.end(),
                       [](const CarriedFile &c) { return c.isNew(); });
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
    doc->copyOf = s.copyOf;
    doc->companion = s.companion;
    indexDocument(*doc, s.uidOrder);
    for (quint64 uid : s.selection) {
        if (doc->nodes.contains(uid))
            doc->selection << uid;
    }
    return doc;
}

UndoStep WorkspaceData::inverseOf(const UndoStep &step) const
{
    // What the step touched (and whatever it added), as it is now.
    UndoStep s;
    s.origin = step.origin;
    s.projectBytes = project->toBytes();
    s.projectDirty = projectDirty;
    for (const auto &d : documents) {
        s.documentOrder << d->id;
        if (step.documents.contains(d->id) || !step.documentOrder.contains(d->id))
            s.documents.insert(d->id, snapshot(*d));
    }
    s.carried = carried;
    s.activeForm = activeForm;
    s.saveCount = saveCount;
    return s;
}

void WorkspaceData::undo()
{
    replay(undoStack, redoStack);
}

void WorkspaceData::redo()
{
    replay(redoStack, undoStack);
}

void WorkspaceData::replay(QList<UndoStep> &from, QList<UndoStep> &to)
{
    closeStep();
    if (from.isEmpty() || !project)
        return;
    UndoStep inverse = inverseOf(from.last());
    if (!applyStep(from.takeLast()))
        return;
    to.append(std::move(inverse));
    emit q->undoChanged(!undoStack.isEmpty());
    emit q->redoChanged(!redoStack.isEmpty());
}

bool WorkspaceData::applyStep(const UndoStep &step)
{
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
                    // What was written since may hold records this state does not.
                    doc->companion.dirty = doc->companion.held;
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
        emit q->redoChanged(!redoStack.isEmpty());
        return false;
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
    // A carried file saved since keeps where it was written.
    QList<CarriedFile> restoredCarried = step.carried;
    for (CarriedFile &c : restoredCarried) {
        if (const CarriedFile *now = carriedFile(c.id); now && !now->isNew())
            c = *now;
    }
    carried = std::move(restoredCarried);
    const int oldActive = activeForm;
    activeForm = document(step.activeForm) ? step.activeForm : -1;

    emit q->changed(Workspace::Change::Documents, -1);
    emit q->changed(Workspace::Change::Controls, -1);
    emit q->changed(Workspace::Change::Code, -1);
    if (oldActive != activeForm)
        emit q->activeFormChanged(activeForm);
    emit q->selectionChanged();
    updateModified();
    return true;
}

} // namespace vbhost
