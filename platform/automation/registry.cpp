#include "registry.h"

#include "platform/profile/profile.h"

#include <QFileInfo>

namespace automation {

namespace {

const QString ClassesFile = QStringLiteral("CLASSES.INI");
const QString ServerSection = QStringLiteral("LocalServer32");
const QString DescriptionSection = QStringLiteral("Description");

QString entry(const QString &section, const QString &progId)
{
    if (progId.trimmed().isEmpty())
        return {};
    constexpr int Size = 32768;
    QString value;
    profile::GetPrivateProfileString(section, progId, QString(), value, Size, ClassesFile);
    return value;
}

} // namespace

bool registerLocalServer(const QString &progId, const QString &exePath, const QString &description)
{
    if (progId.trimmed().isEmpty() || exePath.isEmpty())
        return false;
    if (!profile::WritePrivateProfileString(ServerSection, progId,
                                            QFileInfo(exePath).absoluteFilePath(), ClassesFile))
        return false;
    return description.isEmpty() ||
           profile::WritePrivateProfileString(DescriptionSection, progId, description, ClassesFile);
}

QString localServerPath(const QString &progId)
{
    return entry(ServerSection, progId);
}

QString classDescription(const QString &progId)
{
    return entry(DescriptionSection, progId);
}

} // namespace automation
