#include "addinchecks.h"

#include "ide/model/workspace.h"
#include "ide/shell/addinmanager.h"
#include "ide/shell/addinmanagerdialog.h"
#include "platform/automation/registry.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vbhost;

namespace {

using tolvar::testing::processAlive;
using tolvar::testing::vbIni;

// Servers made of shell scripts: one that never connects (a hung add-in) and one that ends at
// once (a broken one). Both are real processes started the way add-ins are.
class AddInManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scripts.isValid());
        // Each test gets a fresh VB.INI.
        QFile::remove(QDir(profile::windowsDirectory()).filePath("VB.INI"));
        QFile::remove(QDir(profile::windowsDirectory()).filePath("CLASSES.INI"));
        ASSERT_TRUE(automation::registerLocalServer(
            "Hung.connect", script("hung.sh", "exec sleep 60"), "Hung Add-In"));
        ASSERT_TRUE(
            automation::registerLocalServer("Broken.connect", script("broken.sh", "exit 3")));
        manager.setUnloadTimeout(300);
    }

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = scripts.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir scripts;
    Workspace workspace;
    AddInManager manager{workspace};
};

} // namespace

TEST_F(AddInManagerTest, RegisteringAddsTheKeyWithZeroOnlyWhenMissing)
{
    EXPECT_TRUE(manager.registerAddIn("First.connect"));
    EXPECT_EQ(vbIni("First.connect"), "0");
    profile::WritePrivateProfileString("Add-Ins32", "First.connect", "1", "VB.INI");
    EXPECT_TRUE(manager.registerAddIn("first.CONNECT"));
    EXPECT_EQ(vbIni("First.connect"), "1");
    EXPECT_EQ(manager.registered(), QStringList({"First.connect"}));
    EXPECT_EQ(manager.markedLoaded(), QStringList({"First.connect"}));
}

TEST_F(AddInManagerTest, LoadMarksOneAndUnloadZeroAndEndsTheServer)
{
    manager.registerAddIn("Hung.connect");
    manager.load("Hung.connect");
    EXPECT_EQ(vbIni("Hung.connect"), "1");
    EXPECT_EQ(manager.state("Hung.connect"), AddInManager::State::Starting);
    QTRY_VERIFY(manager.processId("Hung.connect") > 0);
    const qint64 pid = manager.processId("Hung.connect");
    EXPECT_TRUE(processAlive(pid));

    manager.unload("Hung.connect");
    EXPECT_EQ(vbIni("Hung.connect"), "0");
    EXPECT_EQ(manager.state("Hung.connect"), AddInManager::State::Unloaded);
    // A server that never connected is not waited for: it is killed after the grace period.
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 5000);
}

TEST_F(AddInManagerTest, AServerThatEndsAtOnceIsReportedAndMarkedUnloaded)
{
    QSignalSpy failed(&manager, &AddInManager::addInFailed);
    manager.load("Broken.connect");
    QTRY_COMPARE(manager.state("Broken.connect"), AddInManager::State::Unloaded);
    EXPECT_EQ(vbIni("Broken.connect"), "0");
    ASSERT_GE(failed.size(), 1);
    EXPECT_TRUE(manager.lastError("Broken.connect").contains("ended by itself with exit status 3"))
        << manager.lastError("Broken.connect").toStdString();
    EXPECT_FALSE(manager.isRunning("Broken.connect"));
}

TEST_F(AddInManagerTest, AnUnregisteredServerFailsWithoutBlocking)
{
    QSignalSpy failed(&manager, &AddInManager::addInFailed);
    manager.load("Nobody.connect");
    // Registered in VB.INI on the way, as --addin does.
    EXPECT_EQ(manager.registered(), QStringList({"Nobody.connect"}));
    QTRY_COMPARE(failed.size(), 1);
    EXPECT_EQ(vbIni("Nobody.connect"), "0");
}

TEST_F(AddInManagerTest, CrashedServerIsUnloaded)
{
    manager.load("Hung.connect");
    QTRY_VERIFY(manager.processId("Hung.connect") > 0);
    ::kill(pid_t(manager.processId("Hung.connect")), SIGKILL);
    QTRY_COMPARE(manager.state("Hung.connect"), AddInManager::State::Unloaded);
    EXPECT_EQ(vbIni("Hung.connect"), "0");
    EXPECT_TRUE(manager.lastError("Hung.connect").contains("ended: killed by SIGKILL"))
        << manager.lastError("Hung.connect").toStdString();
}

TEST_F(AddInManagerTest, DisconnectAllKillsAServerThatDoesNotEndInTime)
{
    QSignalSpy failed(&manager, &AddInManager::addInFailed);
    manager.load("Hung.connect");
    QTRY_VERIFY(manager.processId("Hung.connect") > 0);
    const qint64 pid = manager.processId("Hung.connect");
    QElapsedTimer clock;
    clock.start();
    manager.disconnectAll(500);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(processAlive(pid)); // reaped, not left behind
    EXPECT_EQ(manager.state("Hung.connect"), AddInManager::State::Unloaded);
    EXPECT_EQ(vbIni("Hung.connect"), "1"); // loads again next time
    EXPECT_EQ(failed.size(), 0);
}

TEST_F(AddInManagerTest, FifoInPlaceOfVbIniIsNamedAndNeverWaitedOn)
{
    const QString ini = QDir(profile::windowsDirectory()).filePath("VB.INI");
    ASSERT_EQ(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    EXPECT_TRUE(manager.iniProblem().contains("not a regular file"));
    EXPECT_TRUE(manager.registered().isEmpty());
    EXPECT_FALSE(manager.registerAddIn("Some.connect"));
    QFile::remove(ini);
    EXPECT_EQ(manager.iniProblem(), "");
}

TEST_F(AddInManagerTest, DialogListsTheKeysAndOkWritesTheCheckedStates)
{
    manager.registerAddIn("Hung.connect");
    manager.registerAddIn("Other.connect");
    profile::WritePrivateProfileString("Add-Ins32", "Other.connect", "1", "VB.INI");
    AddInManagerDialog dialog(manager);
    ASSERT_EQ(dialog.list()->count(), 2);
    // By description, with the ProgID beside it; by ProgID alone when there is none.
    EXPECT_EQ(dialog.item("Hung.connect")->text(), "Hung Add-In \u2014 Hung.connect");
    EXPECT_EQ(dialog.item("Other.connect")->text(), "Other.connect");
    // Checked means running, whatever VB.INI says.
    EXPECT_EQ(dialog.item("Other.connect")->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog.item("Hung.connect")->checkState(), Qt::Unchecked);

    dialog.item("Hung.connect")->setCheckState(Qt::Checked);
    EXPECT_EQ(vbIni("Hung.connect"), "0"); // nothing happens before OK
    dialog.accept();
    EXPECT_EQ(vbIni("Hung.connect"), "1");
    EXPECT_EQ(vbIni("Other.connect"), "0");
    EXPECT_TRUE(manager.isRunning("Hung.connect"));

    AddInManagerDialog again(manager);
    EXPECT_EQ(again.item("Hung.connect")->checkState(), Qt::Checked);
    again.item("Hung.connect")->setCheckState(Qt::Unchecked);
    again.accept();
    EXPECT_EQ(vbIni("Hung.connect"), "0");
    EXPECT_FALSE(manager.isRunning("Hung.connect"));
}

TEST_F(AddInManagerTest, CancelChangesNothing)
{
    manager.registerAddIn("Hung.connect");
    AddInManagerDialog dialog(manager);
    dialog.item("Hung.connect")->setCheckState(Qt::Checked);
    dialog.reject();
    EXPECT_EQ(vbIni("Hung.connect"), "0");
    EXPECT_FALSE(manager.isRunning("Hung.connect"));
}
