#include "registry.h"

#include "platform/profile/profile.h"

#include <QFileInfo>

namespace automation {

namespace {

const QString ClassesFile = QStringLiteral("CLASSES.INI");
const QString ServerSection = QStringLiteral("LocalServer32");

} // namespace

bool registerLocalServer(const QString &progId, const QString &exePath)
{
    if (progId.trimmed().isEmpty() || exePath.isEmpty())
        return false;
    return profile::WritePrivateProfileString(ServerSection, progId,
                                              QFileInfo(exePath).absoluteFilePath(), ClassesFile);
}

QString localServerPath(const QString &progId)
{
    if (progId.trimmed().isEmpty())
        return {};
    constexpr int Size = 32768;
    QString path;
    profile::GetPrivateProfileString(ServerSection, progId, QString(), path, Size, ClassesFile);
    return path;
}

} // namespace automation
