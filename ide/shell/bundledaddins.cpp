#include "bundledaddins.h"

#include "addinmanager.h"

#include "platform/automation/registry.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vbhost {

namespace {

const QString ClassesFile = QStringLiteral("CLASSES.INI");
const QString ServerSection = QStringLiteral("LocalServer32");
const QStringList BundledAddIns{QStringLiteral("tolvar")};

bool isRegistered(const QString &server)
{
    const QString canonical = QFileInfo(server).canonicalFilePath();
    const QStringList listed =
        profile::GetProfileKeys(AddInManager::section(), AddInManager::iniFile());
    for (const QString &progId : profile::GetProfileKeys(ServerSection, ClassesFile)) {
        QString path;
        profile::GetPrivateProfileString(ServerSection, progId, QString(), path, 32768,
                                         ClassesFile);
        // A registration from before descriptions were written is made again, so that the
        // Add-In Manager can show what the add-in is.
        if (QFileInfo(path).canonicalFilePath() == canonical &&
            listed.contains(progId, Qt::CaseInsensitive) &&
            !automation::classDescription(progId).isEmpty())
            return true;
    }
    return false;
}

} // namespace

QStringList bundledAddInServers(const QString &environmentDir)
{
    // Named, never searched for: lib/ may be the system's, full of other programs.
    QStringList servers;
    for (const QString &name : BundledAddIns) {
        const QFileInfo server(environmentDir + QStringLiteral("/../lib/") + name + u'/' + name);
        if (server.isFile() && server.isExecutable())
            servers << QDir::cleanPath(server.absoluteFilePath());
    }
    return servers;
}

QStringList registerBundledAddIns(const QString &environmentDir)
{
    QStringList failed;
    for (const QString &server : bundledAddInServers(environmentDir)) {
        if (isRegistered(server))
            continue;
        // The server reports its own errors; a hung one must not keep the environment from
        // starting.
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(server, {});
        if (!run.waitForFinished(120000)) {
            run.kill();
            run.waitForFinished(1000);
            failed << server;
        } else if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
            failed << server;
        }
    }
    return failed;
}

} // namespace vbhost
