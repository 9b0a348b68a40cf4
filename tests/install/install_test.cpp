// The installed layout, and vbhost started from it with the add-in: the add-in folder is
// read-only, the working folder empty, the Windows directory new.
#include "platform/profile/profile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const QString ProgId = QStringLiteral("VantixTolvarAddIn.connect");

class InstalledTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        ASSERT_TRUE(prefix->isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(
            QStringLiteral(TOLVAR_CMAKE_COMMAND),
            {"--install", qEnvironmentVariable("TOLVAR_BUILD_DIR"), "--prefix", prefix->path()});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardOutput().toStdString();
        setAddInFolderWritable(false);
    }

    static void TearDownTestSuite()
    {
        setAddInFolderWritable(true);
        delete prefix;
    }

    static void setAddInFolderWritable(bool writable)
    {
        const QString folder = path("lib/tolvar");
        QDirIterator it(folder, QDir::Files);
        QStringList entries{folder};
        while (it.hasNext())
            entries << it.next();
        for (const QString &entry : entries) {
            QFile::Permissions p = QFile::permissions(entry);
            p.setFlag(QFile::WriteOwner, writable);
            p.setFlag(QFile::WriteUser, writable);
            QFile::setPermissions(entry, p);
        }
    }

    static QString path(const QString &relative) { return prefix->filePath(relative); }

    static QTemporaryDir *prefix;
};

QTemporaryDir *InstalledTest::prefix = nullptr;

TEST_F(InstalledTest, EveryFileInItsPlace)
{
    for (const char *relative :
         {"bin/vbhost", "bin/helpview", "share/tolvar/examples/Demo/Demo.vbp",
          "share/doc/tolvar/README.md", "share/applications/vbhost.desktop",
          "share/icons/hicolor/48x48/apps/tolvar.png", "share/mime/packages/tolvar.xml"})
        EXPECT_TRUE(QFileInfo(path(relative)).isFile()) << relative;
    // Relative, so that the tree works wherever it is unpacked.
    EXPECT_EQ(std::filesystem::read_symlink(path("bin/tolvar").toStdString()),
              "../lib/tolvar/tolvar");

    // The add-in folder holds everything the build put beside the add-in.
    const QDir built(qEnvironmentVariable("TOLVAR_ADDIN_DIR"));
    const QStringList support = built.entryList(QDir::Files);
    EXPECT_TRUE(support.contains("tolvar.mdb") && support.contains("kzlsav.MOD"));
    for (const QString &name : support) {
        if (name != "temp.MOD" && !name.endsWith(".lock")) {
            EXPECT_TRUE(QFileInfo::exists(path("lib/tolvar/" + name))) << name.toStdString();
        }
    }

    // Registering through the link names the real file.
    QProcess plain;
    plain.start(path("bin/tolvar"), {});
    ASSERT_TRUE(plain.waitForFinished(30000));
    EXPECT_EQ(plain.exitCode(), 0);
    QString server;
    profile::GetPrivateProfileString("LocalServer32", ProgId, "", server, 1024, "CLASSES.INI");
    EXPECT_EQ(server.toStdString(), path("lib/tolvar/tolvar").toStdString());
}

TEST_F(InstalledTest, VbhostLoadsTheAddInWhichOpensItsToolWindowOnItsSupportFiles)
{
    QTemporaryDir windir, workdir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WINDIR", windir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TOLVAR_FAKE_UI", windir.filePath("addin-ui.log"));
    env.remove("TOLVAR_HELPVIEW");
    QProcess vbhost;
    vbhost.setProcessEnvironment(env);
    vbhost.setWorkingDirectory(workdir.path());
    vbhost.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vbhost.start(path("bin/vbhost"), {path("share/tolvar/examples/Demo/Demo.vbp"), "--addin",
                                      ProgId, "--choose", "Vantix Software's Tolvar Add-In"});
    ASSERT_TRUE(vbhost.waitForStarted(10000));

    // The add-in's process runs the installed executable and, with its tool window up, has the
    // installed subroutine library open.
    QString addInPid;
    const auto libraryOpen = [&] {
        QFile children(QString("/proc/%1/task/%1/children").arg(vbhost.processId()));
        if (!children.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &pid : children.readAll().split(' ')) {
            const QString fds = QString("/proc/%1/fd").arg(QString::fromLatin1(pid));
            for (const QFileInfo &fd : QDir(fds).entryInfoList(QDir::Files | QDir::System)) {
                if (fd.symLinkTarget() == path("lib/tolvar/tolvar.mdb")) {
                    addInPid = QString::fromLatin1(pid);
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(libraryOpen, 30000));
    EXPECT_EQ(QFileInfo(QString("/proc/%1/exe").arg(addInPid)).symLinkTarget().toStdString(),
              path("lib/tolvar/tolvar").toStdString());
    QFile log(windir.filePath("addin-ui.log"));
    EXPECT_FALSE(log.open(QIODevice::ReadOnly) && log.readAll().contains("Error Number"));
    EXPECT_TRUE(QDir(workdir.path()).isEmpty());

    vbhost.terminate();
    if (!vbhost.waitForFinished(10000))
        vbhost.kill();
    vbhost.waitForFinished(5000);
}

} // namespace
