#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/propertytable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

WorkspaceError fromParseError(const ParseError &e)
{
    return WorkspaceError(e.fileName(), e.line(), e.message());
}

} // namespace

QString carriedName(DocumentKind kind, const QString &path)
{
    const QFileInfo fi(path);
    if (kind != DocumentKind::Designer)
        return fi.fileName();
    // A designer file names itself in its attribute lines, as forms do.
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        static const QRegularExpression vbName(
            QStringLiteral("^\\s*Attribute\\s+VB_Name\\s*=\\s*\"([^\"]*)\""),
            QRegularExpression::CaseInsensitiveOption);
        for (int i = 0; i < 200 && !f.atEnd(); ++i) {
            const QRegularExpressionMatch m = vbName.match(QString::fromLatin1(f.readLine()));
            if (m.hasMatch() && !m.captured(1).isEmpty())
                return m.captured(1);
        }
    }
    return fi.completeBaseName();
}

void copyCompanions(DocumentKind kind, const QString &from, const QString &to)
{
    if (from.isEmpty())
        return;
    for (const QString &companion : companionFiles(kind, from)) {
        const QString copy = companionTarget(companion, from, to);
        if (QFileInfo(companion).canonicalFilePath() != QFileInfo(copy).canonicalFilePath())
            writeFileSafely(copy, readWholeFile(companion));
    }
}

QString companionTarget(const QString &companion, const QString &from, const QString &to)
{
    const QFileInfo c(companion);
    const QFileInfo target(to);
    const QString name = QFileInfo(from).completeBaseName() == target.completeBaseName()
                             ? c.fileName()
                             : target.completeBaseName() + u'.' + c.suffix().toLower();
    return target.absolutePath() + u'/' + name;
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
    QList<CarriedFile> carriedFiles;
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
            const QString file = QFileInfo(proj->memberFilePath(m.path)).absoluteFilePath();
            // A member on the author's machine only: the rest of the project still opens, and
            // the project file keeps naming it.
            if (!QFileInfo(file).isFile()) {
                missingMembers << m;
                continue;
            }
            if (!isCodeMember(m.kind)) {
                carriedFiles << CarriedFile{nextId++, m.kind, carriedName(m.kind, file), file, {}};
                continue;
            }
            auto doc = std::make_unique<Document>();
            doc->id = nextId++;
            doc->kind = m.kind;
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
    carried = std::move(carriedFiles);
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
    const bool hadRedo = !redoStack.isEmpty();
    redoStack.clear();
    projectIsNew = false;
    const bool had = project != nullptr;
    project.reset();
    documents.clear();
    carried.clear();
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
    if (hadRedo)
        emit q->redoChanged(false);
    updateModified();
}

void WorkspaceData::newProject()
{
    // A standard project as the environment starts one; its folder is only where the dialogs
    // begin until it is saved.
    static const char *const lines[] = {
        "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\WINDOWS\\SYSTEM\\"
        "STDOLE2.TLB#Standard OLE Types",
        "ProjWinSize=78,430,248,215",
        "ProjWinShow=2",
        "IconForm=\"Form1\"",
        "HelpFile=\"\"",
        "ExeName32=\"Project1.exe\"",
        "Name=\"Project1\"",
        "HelpContextID=\"0\"",
        "StartMode=0",
        "VersionCompatible32=\"0\"",
        "MajorVer=1",
        "MinorVer=0",
        "RevisionVer=0",
        "AutoIncrementVer=0",
        "ServerSupportFiles=0"};
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    auto proj = std::make_unique<ProjectFile>(ProjectFile::fromBytes(
        bytes, QDir::current().absoluteFilePath(QStringLiteral("Project1.vbp"))));
    close();
    project = std::move(proj);
    projectIsNew = true;
    emit q->changed(Workspace::Change::Project, -1);
    addFormTemplate(Origin::Designer);
    // The first form is where the project starts, not a step to undo.
    stepTimer.stop();
    openStep.reset();
    emit q->undoChanged(false);
    updateModified();
}

void WorkspaceData::save(const Workspace::SaveTargets &targets)
{
    if (!project)
        throw WorkspaceError(QString(), 0, QStringLiteral("No project is open"));
    if (projectIsNew && targets.projectPath.isEmpty())
        throw WorkspaceError(QString(), 0, QStringLiteral("The new project has no file yet"));
    const QString oldFileName = project->fileName();
    if (!targets.projectPath.isEmpty()) {
        project->setFileName(QFileInfo(targets.projectPath).absoluteFilePath());
        projectDirty = true;
    }
    const QDir folder(projectFolder());
    QStringList listed;
    for (const ProjectMember &m : project->members())
        listed << QFileInfo(project->memberFilePath(m.path)).absoluteFilePath();
    try {
        for (auto &d : documents) {
            if (d->isNew || d->dirty)
                saveDocument(*d, targets.files.value(d->id));
            if (!listed.contains(d->path)) {
                project->addMember(d->kind, d->name(), projectRelative(folder, d->path));
                listed << d->path;
                projectDirty = true;
            }
        }
        for (CarriedFile &c : carried) {
            if (c.isNew()) {
                const QString target = newFileTarget(c, folder);
                writeFileSafely(target, readWholeFile(c.copyOf));
                copyCompanions(c.kind, c.copyOf, target);
                c.path = target;
                c.copyOf.clear();
            }
            if (!listed.contains(c.path)) {
                project->addMember(c.kind, QString(), projectRelative(folder, c.path));
                listed << c.path;
                projectDirty = true;
            }
        }
        if (projectDirty) {
            project->save();
            projectDirty = false;
        }
    } catch (const ParseError &e) {
        if (projectIsNew)
            project->setFileName(oldFileName);
        updateModified();
        throw fromParseError(e);
    } catch (const WriteError &e) {
        if (projectIsNew)
            project->setFileName(oldFileName);
        updateModified();
        throw WorkspaceError(e.fileName(), 0, e.message());
    }
    projectIsNew = false;
    ++saveCount;
    announce(Workspace::Change::Project, -1);
}

QString WorkspaceData::newFileTarget(const Document &doc, const QDir &folder) const
{
    const QFileInfo planned(doc.copyOf.isEmpty() ? doc.name() + u'.' + memberSuffix(doc.kind)
                                                 : doc.path);
    return uniqueTarget(planned, folder);
}

QString WorkspaceData::newFileTarget(const CarriedFile &file, const QDir &folder) const
{
    return uniqueTarget(QFileInfo(file.path), folder);
}

QString uniqueTarget(const QFileInfo &planned, const QDir &folder)
{
    QString candidate = folder.absoluteFilePath(planned.fileName());
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = folder.absoluteFilePath(planned.completeBaseName() + QString::number(n) + u'.' +
                                            planned.suffix());
    return candidate;
}

void WorkspaceData::saveDocument(Document &doc, const QString &chosen)
{
    QString target = doc.path;
    if (doc.isNew)
        target = chosen.isEmpty() ? newFileTarget(doc, QDir(projectFolder()))
                                  : QFileInfo(chosen).absoluteFilePath();
    const WriteSet set = writeSet(doc, target);
    writeDocumentFiles(target, set, set.companionChanged);
    if (doc.isNew && !doc.companion.held)
        copyCompanions(doc.kind, doc.copyOf, target);
    companionWritten(doc, target, set);
    doc.file->setFileName(target);
    if (doc.isNew) {
        doc.path = target;
        doc.isNew = false;
        doc.copyOf.clear();
    }
    doc.dirty = false;
}

} // namespace vbhost
