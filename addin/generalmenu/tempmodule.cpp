#include "tempmodule.h"

#include "addin/runtime/addinfolder.h"

#include "platform/automation/error.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvar {

namespace {

automation::Error fileError(int err, const QString &path)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return {76, QStringLiteral("Path not found: ") + path};
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, QStringLiteral("Permission denied: ") + path};
    default:
        return {75, QStringLiteral("Path/File access error: ") + path};
    }
}

// Removes whatever stands at the name without following it, then creates the file anew, so a
// link planted there can never redirect the write.
int createFresh(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return -1;
        }
        if (::unlink(name.constData()) != 0)
            return -1;
    } else if (errno != ENOENT) {
        return -1;
    }
    return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

bool cannotWrite(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

} // namespace

QString privateTempFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = base + QStringLiteral("/tolvar");
    if (base.isEmpty() || !QDir().mkpath(base))
        throw fileError(ENOENT, folder);
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        throw fileError(errno, folder);
    // Only a folder of our own, not reachable through a link, is private enough.
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        throw fileError(errno, folder);
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        throw fileError(EACCES, folder);
    if ((st.st_mode & 07777) != 0700 && ::chmod(name.constData(), 0700) != 0)
        throw fileError(errno, folder);
    return folder;
}

QString createTempModule(QFile &file)
{
    QString path = AddInPath(TempModuleName);
    int fd = createFresh(path);
    if (fd < 0 && cannotWrite(errno)) {
        path = privateTempFolder() + u'/' + TempModuleName;
        fd = createFresh(path);
    }
    if (fd < 0)
        throw fileError(errno, path);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw fileError(EIO, path);
    }
    return path;
}

void killFile(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        throw errno == ENOENT ? automation::Error(53, QStringLiteral("File not found: ") + path)
                              : fileError(errno, path);
}

} // namespace tolvar
