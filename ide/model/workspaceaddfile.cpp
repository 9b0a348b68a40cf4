#include "ide/model/workspacedata_p.h"
#include "ide/model/workspacefiles_p.h"

#include "ide/files/parseerror.h"

#include <QDir>
#include <QFileInfo>

namespace vbhost {

using automation::Error;

namespace {

QString kindWord(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::Form:
        return QStringLiteral("form");
    case DocumentKind::Module:
        return QStringLiteral("module");
    case DocumentKind::Class:
        return QStringLiteral("class");
    case DocumentKind::UserControl:
        return QStringLiteral("user control");
    case DocumentKind::PropertyPage:
        return QStringLiteral("property page");
    case DocumentKind::UserDocument:
        return QStringLiteral("user document");
    case DocumentKind::Designer:
        return QStringLiteral("designer");
    case DocumentKind::ResourceFile:
        return QStringLiteral("resource file");
    case DocumentKind::RelatedDocument:
        break;
    }
    return QStringLiteral("related document");
}

Error alreadyInProject(const QFileInfo &fi)
{
    return Error(727, QStringLiteral("The file '%1' is already in the project").arg(fi.fileName()));
}

} // namespace

int WorkspaceData::addFile(const QString &path, Origin origin)
{
    if (!project)
        throw Error::notSet();
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.exists())
        throw fileNotFoundError();
    if (!fi.isFile())
        throw Error(75, QStringLiteral("Path/File access error"));
    const QString canonical = fi.canonicalFilePath();
    for (const auto &d : documents) {
        if (QFileInfo(d->path).canonicalFilePath() == canonical)
            throw alreadyInProject(fi);
    }
    for (const CarriedFile &c : std::as_const(carried)) {
        if (QFileInfo(c.path).canonicalFilePath() == canonical ||
            QFileInfo(c.copyOf).canonicalFilePath() == canonical)
            throw alreadyInProject(fi);
    }
    const DocumentKind kind = memberKindForFile(fi.fileName());
    if (isCodeMember(kind))
        return addDocument(kind, fi, origin).id;
    return addCarried(kind, fi, origin);
}

QString WorkspaceData::placeInFolder(const QFileInfo &fi, bool outside) const
{
    if (!outside)
        return fi.absoluteFilePath();
    // A file from elsewhere (an add-in's template) joins as a copy in the project's folder, so
    // the project stays whole when moved and the file it came from is never written.
    const QDir folder(projectFolder());
    const QString place = folder.absoluteFilePath(fi.fileName());
    bool taken = QFileInfo::exists(place);
    for (const auto &d : documents)
        taken = taken || d->path.compare(place, Qt::CaseInsensitive) == 0;
    for (const CarriedFile &c : carried)
        taken = taken || c.path.compare(place, Qt::CaseInsensitive) == 0;
    if (taken)
        throw Error(727, QStringLiteral("A file named '%1' is already in the project's "
                                        "folder %2, so '%3' was not added")
                             .arg(fi.fileName(), QDir::toNativeSeparators(folder.path()),
                                  QDir::toNativeSeparators(fi.absoluteFilePath())));
    return place;
}

Document &WorkspaceData::addDocument(DocumentKind kind, const QFileInfo &fi, Origin origin)
{
    std::unique_ptr<FormFile> file;
    try {
        file =
            std::make_unique<FormFile>(FormFile::load(fi.absoluteFilePath(), project->codePage()));
    } catch (const ParseError &e) {
        throw Error(321, QStringLiteral("Invalid file format: %1").arg(e.text()));
    }
    if (hasDesigner(kind) != (file->kind() == FormFile::Kind::Form))
        throw Error(321, QStringLiteral("Invalid file format: %1 is not a %2 file")
                             .arg(fi.fileName(), kindWord(kind)));
    const QString name = file->moduleName();
    if (name.isEmpty())
        throw nameInUseError(name);
    for (const auto &d : documents) {
        if (d->name().compare(name, Qt::CaseInsensitive) == 0)
            throw Error(727, QStringLiteral("The project already holds a %1 named '%2', so '%3' "
                                            "was not added")
                                 .arg(kindWord(d->kind), d->name(), fi.fileName()));
    }
    const QDir folder(projectFolder());
    const bool outside = !isInside(QDir(folder.canonicalPath()), fi.canonicalFilePath());
    const QString docPath = placeInFolder(fi, outside);
    beginChange(origin, nullptr);
    auto doc = std::make_unique<Document>();
    doc->id = nextDocumentId++;
    doc->kind = kind;
    doc->path = docPath;
    doc->file = std::move(file);
    if (outside) {
        doc->file->setFileName(docPath);
        doc->copyOf = fi.absoluteFilePath();
        doc->isNew = true;
    } else {
        project->addMember(kind, name, projectRelative(folder, docPath));
        projectDirty = true;
    }
    indexDocument(*doc);
    Document &ref = *doc;
    documents.push_back(std::move(doc));
    announce(Workspace::Change::Documents, ref.id);
    return ref;
}

int WorkspaceData::addCarried(DocumentKind kind, const QFileInfo &fi, Origin origin)
{
    if (kind == DocumentKind::ResourceFile) {
        for (const CarriedFile &c : std::as_const(carried)) {
            if (c.kind == DocumentKind::ResourceFile)
                throw Error(727, QStringLiteral("The project already has the resource file "
                                                "'%1', so '%2' was not added")
                                     .arg(QFileInfo(c.path).fileName(), fi.fileName()));
        }
    }
    const QDir folder(projectFolder());
    const bool outside = !isInside(QDir(folder.canonicalPath()), fi.canonicalFilePath());
    CarriedFile c{nextDocumentId++, kind, carriedName(kind, fi.absoluteFilePath()),
                  placeInFolder(fi, outside), outside ? fi.absoluteFilePath() : QString()};
    beginChange(origin, nullptr);
    if (!outside) {
        project->addMember(kind, QString(), projectRelative(folder, c.path));
        projectDirty = true;
    }
    carried << c;
    announce(Workspace::Change::Documents, c.id);
    return c.id;
}

void WorkspaceData::removeFile(int id, Origin origin)
{
    Document *doc = document(id);
    const CarriedFile *carriedOne = carriedFile(id);
    if (!doc && !carriedOne)
        throw Error::invalidCall();
    beginChange(origin, doc);
    const QString path = doc ? doc->path : carriedOne->path;
    if (const QString line = memberLineFor(path); !line.isEmpty()) {
        project->removeMember(line);
        projectDirty = true;
    }
    std::erase_if(documents, [id](const auto &d) { return d->id == id; });
    carried.removeIf([id](const CarriedFile &c) { return c.id == id; });
    if (activeForm == id) {
        activeForm = -1;
        emit q->activeFormChanged(-1);
        emit q->selectionChanged();
    }
    announce(Workspace::Change::Documents, id);
}

} // namespace vbhost
