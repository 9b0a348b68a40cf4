// Add-ins installed beside the environment register themselves on its first start, and only
// then: a real server process run plainly, writing the real INI files.
#include "ide/shell/bundledaddins.h"

#include "platform/automation/registry.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A layout as installed: bin/ for the environment, lib/tolvar/tolvar a server that registers itself
// the way tolvar does and counts its runs.
class BundledAddInsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(root.path()).mkpath("lib/tolvar"));
        // Any other program there is not ours to run.
        ASSERT_TRUE(QDir(root.path()).mkpath("lib/other"));
        QFile other(root.filePath("lib/other/other"));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write("#!/bin/sh\necho run >> \"$WINDIR/fake-runs\"\n");
        other.close();
        other.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        server = root.filePath("lib/tolvar/tolvar");
        QFile script(server);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\n"
            "printf '[LocalServer32]\\nFake.connect=%s\\n[Description]\\nFake.connect=Fake\\n' "
            "\"$0\" > \"$WINDIR/CLASSES.INI\"\n"
            "printf '[Add-Ins32]\\nFake.connect=0\\n' > \"$WINDIR/VB.INI\"\n"
            "echo run >> \"$WINDIR/fake-runs\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(QDir(profile::windowsDirectory()).filePath("CLASSES.INI"));
        QFile::remove(QDir(profile::windowsDirectory()).filePath("VB.INI"));
        QFile::remove(runsFile());
    }

    static QString runsFile() { return QDir(profile::windowsDirectory()).filePath("fake-runs"); }
    static int runs()
    {
        QFile f(runsFile());
        return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
    }
    QString bin() const { return root.filePath("bin"); }

    QTemporaryDir root;
    QString server;
};

TEST_F(BundledAddInsTest, FirstStartRegistersLaterStartsLeaveItAlone)
{
    EXPECT_EQ(vbhost::bundledAddInServers(bin()), QStringList({QDir::cleanPath(server)}));

    EXPECT_TRUE(vbhost::registerBundledAddIns(bin()).isEmpty());
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(automation::localServerPath("Fake.connect"), server);
    EXPECT_TRUE(vbhost::registerBundledAddIns(bin()).isEmpty());
    EXPECT_EQ(runs(), 1);

    // Moved elsewhere, dropped from VB.INI, or registered without a description: again.
    ASSERT_TRUE(automation::registerLocalServer("Fake.connect", "/opt/old/lib/tolvar/tolvar"));
    vbhost::registerBundledAddIns(bin());
    EXPECT_EQ(runs(), 2);
    ASSERT_TRUE(QFile::remove(QDir(profile::windowsDirectory()).filePath("VB.INI")));
    vbhost::registerBundledAddIns(bin());
    EXPECT_EQ(runs(), 3);
    ASSERT_TRUE(
        profile::WritePrivateProfileString("Description", "Fake.connect", "", "CLASSES.INI"));
    vbhost::registerBundledAddIns(bin());
    EXPECT_EQ(runs(), 4);
}

TEST_F(BundledAddInsTest, FailingServerIsReported)
{
    QFile script(server);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 1\n");
    script.close();
    EXPECT_EQ(vbhost::registerBundledAddIns(bin()), QStringList({QDir::cleanPath(server)}));
}

} // namespace
