#include "addinfolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tolvar {

namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString executablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

} // namespace

QString AddInFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    const QFileInfo exe(executablePath());
    const QString canonical = exe.canonicalFilePath();
    return QFileInfo(canonical.isEmpty() ? exe.absoluteFilePath() : canonical).absolutePath();
}

QString AddInPath(const QString &name)
{
    return AddInFolder() + u'/' + name;
}

void setAddInFolderForTesting(const QString &folder)
{
    overriddenFolder() = folder;
}

} // namespace tolvar
