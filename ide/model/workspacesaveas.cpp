#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

#include "ide/files/parseerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace vbhost {

namespace {

// One file Save As writes, its bytes read before anything is written.
struct PlannedFile
{
    QString source; // empty for a file that exists only in memory
    QByteArray bytes;
    QString dest;
};

// Writes every planned file, then the project file. On a failure the files and folders this
// call created are removed again, so that the target holds no copy that looks whole.
void writeAll(const QList<PlannedFile> &files, const QString &projectPath,
              const QByteArray &projectBytes)
{
    QStringList created;
    QStringList createdFolders;
    try {
        for (const PlannedFile &f : files) {
            const QFileInfo dest(f.dest);
            if (!f.source.isEmpty() && dest.exists() &&
                QFileInfo(f.source).canonicalFilePath() == dest.canonicalFilePath())
                continue; // the file itself, unedited
            QStringList missingFolders;
            for (QString dir = dest.absolutePath(); !QFileInfo::exists(dir);
                 dir = QDir::cleanPath(dir + QStringLiteral("/..")))
                missingFolders.prepend(dir);
            if (!missingFolders.isEmpty() && !QDir().mkpath(dest.absolutePath()))
                throw WriteError(f.dest, QStringLiteral("its folder cannot be created"));
            createdFolders += missingFolders;
            const bool existed = dest.exists();
            writeFileSafely(f.dest, f.bytes);
            if (!existed)
                created << f.dest;
        }
        writeFileSafely(projectPath, projectBytes);
    } catch (...) {
        for (const QString &file : std::as_const(created))
            QFile::remove(file);
        for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
            QDir().rmdir(*it);
        throw;
    }
}

} // namespace

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
    QList<std::pair<QString, QString>> moved; // member path as written, as the copy writes it
    const auto placeOf = [&](const QString &path) {
        if (isInside(from, path))
            return to.absoluteFilePath(from.relativeFilePath(path));
        const QString dest = to.absoluteFilePath(QFileInfo(path).fileName());
        for (const ProjectMember &m : project->members()) {
            if (QFileInfo(project->memberFilePath(m.path)).absoluteFilePath() == path) {
                const QString rel = projectRelative(to, dest);
                copy.setMemberPath(m.path, rel);
                moved << std::pair{m.path, rel};
            }
        }
        return dest;
    };

    QList<PlannedFile> files;
    struct DocumentPlace
    {
        Document *doc;
        QString dest;
        WriteSet set;
    };
    QList<DocumentPlace> documentPlaces;
    QList<std::pair<CarriedFile *, QString>> carriedPlaces;
    try {
        if (!missing.isEmpty()) {
            const ProjectMember &m = missing.first();
            throw ParseError(project->memberFilePath(m.path), 0,
                             QStringLiteral("the file is missing, so it cannot be copied"));
        }
        const auto planCompanions = [&](DocumentKind kind, const QString &source,
                                        const QString &dest) {
            for (const QString &companion : companionFiles(kind, source))
                files << PlannedFile{companion, readWholeFile(companion),
                                     companionTarget(companion, source, dest)};
        };
        for (const auto &d : documents) {
            QString dest;
            if (d->isNew) {
                dest = newFileTarget(*d, to);
                copy.addMember(d->kind, d->name(), projectRelative(to, dest));
            } else {
                dest = placeOf(d->path);
            }
            const WriteSet set = writeSet(*d, dest);
            // A held companion holds the file's records and those pasted since.
            if (!set.companionPath.isEmpty())
                files << PlannedFile{{}, set.companionBytes, set.companionPath};
            else if (!d->companion.held)
                planCompanions(d->kind, d->isNew ? d->copyOf : d->path, dest);
            const bool edited = d->isNew || d->dirty || set.renamed;
            files << PlannedFile{edited ? QString() : d->path,
                                 edited ? set.formBytes : readWholeFile(d->path), dest};
            documentPlaces << DocumentPlace{d.get(), dest, set};
        }
        for (CarriedFile &c : carried) {
            QString dest;
            if (c.isNew()) {
                dest = newFileTarget(c, to);
                copy.addMember(c.kind, QString(), projectRelative(to, dest));
            } else {
                dest = placeOf(c.path);
            }
            const QString source = c.isNew() ? c.copyOf : c.path;
            files << PlannedFile{source, readWholeFile(source), dest};
            planCompanions(c.kind, source, dest);
            carriedPlaces << std::pair{&c, dest};
        }
        QSet<QString> taken{target};
        for (const PlannedFile &f : std::as_const(files)) {
            if (taken.contains(f.dest))
                throw WriteError(f.dest, QStringLiteral("two of the project's files would be "
                                                        "written here"));
            taken.insert(f.dest);
        }
        writeAll(files, target, copy.toBytes());
    } catch (const ParseError &e) {
        throw WorkspaceError(e.fileName(), e.line(), e.message());
    } catch (const WriteError &e) {
        throw WorkspaceError(e.fileName(), 0, e.message());
    }

    for (const auto &[doc, dest, set] : documentPlaces) {
        companionWritten(*doc, dest, set);
        doc->path = dest;
        doc->file->setFileName(dest);
        doc->isNew = false;
        doc->dirty = false;
        doc->copyOf.clear();
    }
    for (const auto &[file, dest] : carriedPlaces) {
        file->path = dest;
        file->copyOf.clear();
    }
    *project = std::move(copy);
    projectDirty = false;
    projectIsNew = false;
    // Undo goes on with the copy: its steps name the moved members where they now are.
    const auto repoint = [&](UndoStep &step) {
        ProjectFile p = ProjectFile::fromBytes(step.projectBytes, target, project->codePage());
        for (const auto &[old, now] : moved)
            p.setMemberPath(old, now);
        step.projectBytes = p.toBytes();
        for (CarriedFile &c : step.carried) {
            for (const auto &[file, dest] : carriedPlaces) {
                if (file->id == c.id) {
                    c.path = dest;
                    c.copyOf.clear();
                }
            }
        }
    };
    try {
        for (UndoStep &step : undoStack)
            repoint(step);
        for (UndoStep &step : redoStack)
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
