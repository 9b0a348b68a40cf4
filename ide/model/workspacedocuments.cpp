#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

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

WorkspaceError fromParseError(const ParseError &e)
{
    return WorkspaceError(e.fileName(), e.line(), e.message());
}

QString extensionFor(DocumentKind kind)
{
    return kind == DocumentKind::Form    ? QStringLiteral(".frm")
           : kind == DocumentKind::Class ? QStringLiteral(".cls")
                                         : QStringLiteral(".bas");
}

// A form's binary side file goes along with it; a form without one has nothing to take.
void copySideFile(DocumentKind kind, const QString &from, const QString &to)
{
    if (kind != DocumentKind::Form || from.isEmpty())
        return;
    const QFileInfo source(from);
    const QString frx = source.absolutePath() + u'/' + source.completeBaseName() + ".frx";
    if (!QFileInfo(frx).isFile())
        return;
    const QFileInfo target(to);
    const QString copy = target.absolutePath() + u'/' + target.completeBaseName() + ".frx";
    if (QFileInfo(frx).canonicalFilePath() != QFileInfo(copy).canonicalFilePath())
        writeFileSafely(copy, readWholeFile(frx));
}

} // namespace

ProjectMember::Kind memberKindFor(DocumentKind kind)
{
    return kind == DocumentKind::Form    ? ProjectMember::Kind::Form
           : kind == DocumentKind::Class ? ProjectMember::Kind::Class
                                         : ProjectMember::Kind::Module;
}

QString projectRelative(const QDir &folder, const QString &path)
{
    QString rel = folder.relativeFilePath(path);
    rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return rel;
}

bool isInside(const QDir &folder, const QString &path)
{
    const QString rel = folder.relativeFilePath(path);
    return !rel.startsWith(QLatin1String("../")) && rel != QLatin1String("..") &&
           !QDir::isAbsolutePath(rel);
}

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
            if (d->isNew || d->dirty)
                saveDocument(*d);
            if (!listed.contains(d->path)) {
                project->addMember(memberKindFor(d->kind), d->name(),
                                   projectRelative(folder, d->path));
                listed << d->path;
                projectDirty = true;
            }
        }
        if (projectDirty) {
            project->save();
            projectDirty = false;
        }
    } catch (const ParseError &e) {
        updateModified();
        throw fromParseError(e);
    } catch (const WriteError &e) {
        updateModified();
        throw WorkspaceError(e.fileName(), 0, e.message());
    }
    ++saveCount;
    announce(Workspace::Change::Project, -1);
}

QString WorkspaceData::newFileTarget(const Document &doc, const QDir &folder) const
{
    const QFileInfo planned(doc.copyOf.isEmpty() ? doc.name() + extensionFor(doc.kind) : doc.path);
    QString candidate = folder.absoluteFilePath(planned.fileName());
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = folder.absoluteFilePath(planned.completeBaseName() + QString::number(n) + u'.' +
                                            planned.suffix());
    return candidate;
}

void WorkspaceData::saveDocument(Document &doc)
{
    if (doc.isNew) {
        const QString target = newFileTarget(doc, QDir(projectFolder()));
        doc.file->saveAs(target);
        copySideFile(doc.kind, doc.copyOf, target);
        doc.path = target;
        doc.isNew = false;
        doc.copyOf.clear();
    } else {
        doc.file->save();
    }
    doc.dirty = false;
}

void WorkspaceData::saveAs(const QString &vbpPath)
{
    if (!project)
        throw WorkspaceError(QString(), 0, QStringLiteral("No project is open"));
    const QString target = QFileInfo(vbpPath).absoluteFilePath();
    if (target == QFileInfo(project->fileName()).absoluteFilePath()) {
        save();
        return;
    }
    const QDir from(projectFolder());
    const QDir to(QFileInfo(target).absolutePath());
    ProjectFile copy = *project;
    copy.setFileName(target);
    // Members under the project's folder keep their places; the others go beside the copy.
    QList<std::pair<QString, QString>> moved;
    QList<std::pair<Document *, QString>> plan;
    for (const auto &d : documents) {
        QString dest;
        if (d->isNew) {
            dest = newFileTarget(*d, to);
            copy.addMember(memberKindFor(d->kind), d->name(), projectRelative(to, dest));
        } else if (isInside(from, d->path)) {
            dest = to.absoluteFilePath(from.relativeFilePath(d->path));
        } else {
            dest = to.absoluteFilePath(QFileInfo(d->path).fileName());
            for (const ProjectMember &m : project->members()) {
                if (QFileInfo(project->memberFilePath(m.path)).absoluteFilePath() == d->path) {
                    const QString rel = projectRelative(to, dest);
                    copy.setMemberPath(m.path, rel);
                    moved << std::pair{m.path, rel};
                }
            }
        }
        plan << std::pair{d.get(), dest};
    }
    // Everything is written before anything changes, so a failure leaves the project as it was.
    try {
        for (const auto &[doc, dest] : plan) {
            QDir().mkpath(QFileInfo(dest).absolutePath());
            writeFileSafely(dest, doc->file->toBytes());
            copySideFile(doc->kind, doc->isNew ? doc->copyOf : doc->path, dest);
        }
        writeFileSafely(target, copy.toBytes());
    } catch (const ParseError &e) {
        throw fromParseError(e);
    } catch (const WriteError &e) {
        throw WorkspaceError(e.fileName(), 0, e.message());
    }
    for (const auto &[doc, dest] : plan) {
        doc->path = dest;
        doc->file->setFileName(dest);
        doc->isNew = false;
        doc->dirty = false;
        doc->copyOf.clear();
    }
    *project = std::move(copy);
    projectDirty = false;
    // Undo goes on with the copy: its steps name the moved members where they now are.
    const auto repoint = [&](UndoStep &step) {
        ProjectFile p = ProjectFile::fromBytes(step.projectBytes, target, project->codePage());
        for (const auto &[old, now] : moved)
            p.setMemberPath(old, now);
        step.projectBytes = p.toBytes();
    };
    try {
        for (UndoStep &step : undoStack)
            repoint(step);
        if (openStep)
            repoint(*openStep);
    } catch (const ParseError &) {
    }
    ++saveCount;
    announce(Workspace::Change::Project, -1);
    announce(Workspace::Change::Documents, -1);
}

} // namespace vbhost
