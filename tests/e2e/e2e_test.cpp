// vbhost with the real add-in: the add-in runs in its own process, started through the
// Add-In Manager and talked to over the peer connection, and vbhost outlives it in every case.
#include "addinchecks.h"

#include "fakeservices.h"
#include "ide/model/workspace.h"
#include "ide/shell/addinmanager.h"
#include "ide/shell/addinmanagerdialog.h"
#include "ide/shell/mainwindow.h"
#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

const QString kProgId = QStringLiteral("VantixTolvarAddIn.connect");
const QString kCommand = QStringLiteral("Vantix Software's Tolvar Add-In");

QString sourceDir()
{
    return qEnvironmentVariable("TOLVAR_SOURCE_DIR", QStringLiteral("."));
}

QString tolvarPath()
{
    return qEnvironmentVariable("TOLVAR_ADDIN_DIR") + QStringLiteral("/tolvar");
}

QString vbhostPath()
{
    return qEnvironmentVariable("TOLVAR_BUILD_DIR") + QStringLiteral("/bin/vbhost");
}

using tolvar::testing::processAlive;
using tolvar::testing::vbIni;

// Children of a process, from /proc.
QList<qint64> childrenOf(qint64 parent)
{
    QList<qint64> result;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // pid (comm) state ppid ...
        const QList<QByteArray> rest = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest[1].toLongLong() == parent && rest[0] != "Z")
            result << pid;
    }
    return result;
}

QAction *menuAction(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions()) {
        if (a->text().replace(QLatin1String("&&"), QLatin1String("&")) == text)
            return a;
    }
    return nullptr;
}

class EndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(tolvarPath())) << tolvarPath().toStdString();
        ASSERT_TRUE(project.isValid());
        const QString demo = sourceDir() + QStringLiteral("/examples/Demo");
        for (const QString &name : QDir(demo).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demo + u'/' + name, project.filePath(name)));
        // Start from a Windows directory without any registration.
        QFile::remove(QDir(profile::windowsDirectory()).filePath("VB.INI"));
        QFile::remove(QDir(profile::windowsDirectory()).filePath("CLASSES.INI"));
        // The add-in's message boxes go to a file, so that nothing waits for a user.
        qputenv("TOLVAR_FAKE_UI", project.filePath("addin-ui.log").toLocal8Bit());

        // Run plainly, the add-in registers itself and returns at once.
        QProcess registration;
        registration.start(tolvarPath(), {});
        ASSERT_TRUE(registration.waitForFinished(30000));
        ASSERT_EQ(registration.exitCode(), 0);
        ASSERT_EQ(vbIni(kProgId), "0");
        ASSERT_FALSE(automation::localServerPath(kProgId).isEmpty());

        window = std::make_unique<MainWindow>(services);
        window->show();
        ASSERT_TRUE(window->openProject(project.filePath("Demo.vbp")));
    }

    void TearDown() override { window.reset(); }

    AddInManager &addIns() { return window->addIns(); }

    // Checks the add-in in the Add-In Manager and presses OK, as the developer does.
    void loadThroughManager()
    {
        AddInManagerDialog dialog(addIns(), window.get());
        QListWidgetItem *item = dialog.item(kProgId);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->checkState(), Qt::Unchecked);
        item->setCheckState(Qt::Checked);
        dialog.accept();
        EXPECT_EQ(vbIni(kProgId), "1");
        QTRY_COMPARE_WITH_TIMEOUT(addIns().state(kProgId), AddInManager::State::Loaded, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(menuAction(window->addInsMenu(), kCommand) != nullptr, 10000);
    }

    void unloadThroughManager()
    {
        AddInManagerDialog dialog(addIns(), window.get());
        QListWidgetItem *item = dialog.item(kProgId);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->checkState(), Qt::Checked);
        item->setCheckState(Qt::Unchecked);
        dialog.accept();
    }

    // A call the add-in answers: it is alive and its message loop turns.
    bool answers()
    {
        auto object =
            std::dynamic_pointer_cast<automation::RemoteObject>(addIns().addInObject(kProgId));
        if (!object)
            return false;
        bool replied = false, failed = false;
        object->invokeAsync(
            QStringLiteral("AfterClick"), {}, [&](const automation::Value &) { replied = true; },
            [&](const automation::Error &) { failed = true; });
        if (!QTest::qWaitFor([&] { return replied || failed; }, 20000))
            return false;
        return replied;
    }

    QString addInLog()
    {
        QFile f(project.filePath("addin-ui.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir project;
    ui::FakeServices services;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(EndToEndTest, LoadChooseAndUnloadTheAddIn)
{
    loadThroughManager();
    const qint64 pid = addIns().processId(kProgId);
    ASSERT_TRUE(processAlive(pid));
    // The add-in connected without reporting an error.
    EXPECT_FALSE(addInLog().contains("Error Number")) << addInLog().toStdString();

    // Choosing the command delivers AfterClick; the add-in opens its tool window and goes on
    // answering.
    QAction *command = menuAction(window->addInsMenu(), kCommand);
    command->trigger();
    QTest::qWait(1500);
    EXPECT_TRUE(processAlive(pid));
    EXPECT_TRUE(answers());
    EXPECT_EQ(addIns().state(kProgId), AddInManager::State::Loaded);
    EXPECT_TRUE(services.messageBoxes().isEmpty());

    unloadThroughManager();
    EXPECT_EQ(vbIni(kProgId), "0");
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 10000);
    QTRY_COMPARE(addIns().state(kProgId), AddInManager::State::Unloaded);
    // DisconnectAddIn took its command off the menu.
    EXPECT_EQ(menuAction(window->addInsMenu(), kCommand), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(addInLog().contains("EndProcess")) << addInLog().toStdString();
}

TEST_F(EndToEndTest, AddInStaysConnectedWithoutAProjectAndInTheNextOne)
{
    loadThroughManager();
    const qint64 pid = addIns().processId(kProgId);
    menuAction(window->addInsMenu(), kCommand)->trigger();
    QTest::qWait(1500); // the tool window opens
    window->findChild<QAction *>(QStringLiteral("closeProject"))->trigger();
    EXPECT_FALSE(window->workspace().hasProject());
    ASSERT_TRUE(window->openProject(project.filePath("Demo.vbp")));
    EXPECT_EQ(addIns().state(kProgId), AddInManager::State::Loaded);
    EXPECT_EQ(addIns().processId(kProgId), pid);
    ASSERT_NE(menuAction(window->addInsMenu(), kCommand), nullptr);
    EXPECT_TRUE(answers());
    EXPECT_EQ(vbIni(kProgId), "1");
}

TEST_F(EndToEndTest, HungAddInNeitherFreezesVbhostNorOutlivesItsUnloading)
{
    loadThroughManager();
    const qint64 pid = addIns().processId(kProgId);
    ASSERT_TRUE(processAlive(pid));
    ::kill(pid_t(pid), SIGSTOP); // hangs: it stays connected but answers nothing

    menuAction(window->addInsMenu(), kCommand)->trigger();
    QElapsedTimer clock;
    clock.start();
    bool timerFired = false;
    QTimer::singleShot(50, [&] { timerFired = true; });
    QTRY_VERIFY_WITH_TIMEOUT(timerFired, 2000);
    EXPECT_LT(clock.elapsed(), 2000);
    // The designer goes on working meanwhile.
    window->workspace().setSelection({"cmdOK"});
    EXPECT_EQ(window->workspace().selection(), QStringList({"cmdOK"}));

    addIns().setUnloadTimeout(1000);
    unloadThroughManager();
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 15000);
    QTRY_COMPARE(addIns().state(kProgId), AddInManager::State::Unloaded);
    EXPECT_EQ(vbIni(kProgId), "0");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EndToEndTest, KilledAddInLosesItsCommandAtOnceAndStaysMarkedToLoad)
{
    loadThroughManager();
    const qint64 pid = addIns().processId(kProgId);
    ASSERT_TRUE(processAlive(pid));
    ::kill(pid_t(pid), SIGKILL);
    QTRY_COMPARE_WITH_TIMEOUT(addIns().state(kProgId), AddInManager::State::Unloaded, 10000);
    EXPECT_EQ(vbIni(kProgId), "1");
    EXPECT_EQ(menuAction(window->addInsMenu(), kCommand), nullptr);
    EXPECT_TRUE(window->isVisible());

    AddInManagerDialog dialog(addIns(), window.get());
    EXPECT_EQ(dialog.item(kProgId)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog.item(kProgId)->text(),
              QStringLiteral("Vantix Software's Tolvar Add-In \u2014 %1  (not loaded: the add-in "
                             "ended: killed by SIGKILL)")
                  .arg(kProgId));

    // Loading it again starts it again, with one command.
    dialog.item(kProgId)->setCheckState(Qt::Checked);
    dialog.accept();
    QTRY_COMPARE_WITH_TIMEOUT(addIns().state(kProgId), AddInManager::State::Loaded, 30000);
    EXPECT_NE(addIns().processId(kProgId), pid);
    int items = 0;
    for (const AddInMenuItemInfo &item : window->workspace().addInMenuItems())
        items += item.caption == kCommand;
    EXPECT_EQ(items, 1);
}

TEST_F(EndToEndTest, FileExitDisconnectsTheAddInAndLeavesNothingRunning)
{
    // Socket folders go to a temporary folder of this test's own.
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                warnings << text;
        });
    loadThroughManager();
    const qint64 pid = addIns().processId(kProgId);
    ASSERT_TRUE(processAlive(pid));
    ASSERT_FALSE(QDir(temp.path()).entryList({"tolvar-*"}, QDir::Dirs).isEmpty());

    window->findChild<QAction *>("exit")->trigger();
    EXPECT_FALSE(window->isVisible());
    // The add-in took its command off the menu, a call back it can only make while connected,
    // and then ended its process as DisconnectAddIn does.
    EXPECT_TRUE(window->workspace().addInMenuItems().isEmpty());
    EXPECT_TRUE(addInLog().contains("EndProcess")) << addInLog().toStdString();
    EXPECT_FALSE(processAlive(pid));
    EXPECT_EQ(addIns().state(kProgId), AddInManager::State::Unloaded);
    EXPECT_EQ(vbIni(kProgId), "1"); // loads again next time
    window.reset();
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    if (oldTemp.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
    EXPECT_TRUE(childrenOf(QCoreApplication::applicationPid()).isEmpty());
    EXPECT_TRUE(QDir(temp.path()).entryList({"tolvar-*"}, QDir::Dirs).isEmpty());
    EXPECT_TRUE(warnings.filter("QProcess").isEmpty()) << warnings.join('\n').toStdString();
}

TEST(VbhostProcessTest, SurvivesItsAddInBeingKilled)
{
    QTemporaryDir windir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINDIR"), windir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TOLVAR_FAKE_UI"), windir.filePath("addin-ui.log"));

    QProcess registration;
    registration.setProcessEnvironment(env);
    registration.start(tolvarPath(), {});
    ASSERT_TRUE(registration.waitForFinished(30000));

    QProcess vbhost;
    vbhost.setProcessEnvironment(env);
    vbhost.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vbhost.start(vbhostPath(), {sourceDir() + QStringLiteral("/examples/Demo/Demo.vbp"),
                                QStringLiteral("--addin"), kProgId});
    ASSERT_TRUE(vbhost.waitForStarted(10000));
    QList<qint64> children;
    QTRY_VERIFY_WITH_TIMEOUT(!(children = childrenOf(vbhost.processId())).isEmpty(), 30000);
    QTest::qWait(1000); // let it connect
    // --addin marked it loaded in VB.INI.
    QString value;
    profile::GetPrivateProfileString("Add-Ins32", kProgId, "(none)", value, 64,
                                     windir.filePath("VB.INI"));
    EXPECT_EQ(value, "1");

    for (qint64 child : children)
        ::kill(pid_t(child), SIGKILL);
    QTest::qWait(2000);
    EXPECT_EQ(vbhost.state(), QProcess::Running);
    profile::GetPrivateProfileString("Add-Ins32", kProgId, "(none)", value, 64,
                                     windir.filePath("VB.INI"));
    EXPECT_EQ(value, "1"); // as the user left it: it loads again next time

    vbhost.terminate();
    if (!vbhost.waitForFinished(5000)) {
        vbhost.kill();
        vbhost.waitForFinished(5000);
    }
}
