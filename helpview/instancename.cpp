#include "instancename.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace helpview {

QString helpFileKey(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.toHex().left(24));
}

QString instanceFolder(QString *error)
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir())
        base = QDir::tempPath();
    const uid_t uid = geteuid();
    const QString folder = base + QStringLiteral("/tolvar-helpview-") + QString::number(uid);
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        *error = folder + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    // lstat: a link standing at that name is refused rather than followed.
    struct stat st;
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid ||
        (st.st_mode & 077) != 0) {
        *error = folder + QStringLiteral(": not a private folder of this user");
        return {};
    }
    return folder;
}

QString instanceSocketPath(const QString &folder, const QString &helpFile)
{
    return folder + QLatin1Char('/') + helpFileKey(helpFile);
}

} // namespace helpview
