// The real tolvar executable, started the way the environment starts it, over a real peer
// connection between two processes. This process plays the environment: it serves the Add-Ins
// menu from in-process objects and never blocks on a call into the add-in.

#include "menuenvironment.h"

#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>
#include <gtest/gtest.h>

using automation::Error;
using automation::ObjectPtr;
using automation::RemoteObject;
using automation::ServerLauncher;
using automation::Value;
using tolvar::testing::MenuEnvironment;

namespace {

const QString ProgId = QStringLiteral("VantixTolvarAddIn.connect");

QString tolvarPath()
{
    QString dir = qEnvironmentVariable("TOLVAR_ADDIN_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral(TOLVAR_ADDIN_DIR_DEFAULT);
    return dir + QStringLiteral("/tolvar");
}

// What one async call into the add-in came back with.
struct Outcome
{
    bool done = false;
    std::optional<Error> error;
};

class EmbeddingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Run plainly, tolvar registers itself and returns at once, showing nothing.
        QTemporaryFile shown;
        ASSERT_TRUE(shown.open());
        qputenv("TOLVAR_FAKE_UI", shown.fileName().toLocal8Bit());
        QProcess plain;
        plain.start(tolvarPath(), {});
        ASSERT_TRUE(plain.waitForFinished(30000));
        qunsetenv("TOLVAR_FAKE_UI");
        ASSERT_EQ(plain.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(plain.exitCode(), 0);
        ASSERT_EQ(shown.readAll(), QByteArray());
    }

    void SetUp() override
    {
        ASSERT_TRUE(log.open());
        log.close();
        qputenv("TOLVAR_FAKE_UI", log.fileName().toLocal8Bit());
        launcher.setStopGracePeriod(20000);
        launcher.setConnectTimeout(30000);
    }

    void TearDown() override
    {
        launcher.stop();
        qunsetenv("TOLVAR_FAKE_UI");
    }

    ObjectPtr start()
    {
        bool created = false;
        std::optional<Error> failed;
        QObject context;
        QObject::connect(&launcher, &ServerLauncher::created, &context,
                         [&](const ObjectPtr &) { created = true; });
        QObject::connect(&launcher, &ServerLauncher::failed, &context,
                         [&](const Error &e) { failed = e; });
        launcher.start(ProgId);
        if (!QTest::qWaitFor([&] { return created || failed; }, 30000))
            ADD_FAILURE() << "the add-in neither created its object nor failed";
        if (failed)
            ADD_FAILURE() << qPrintable(failed->description());
        return created ? launcher.object() : ObjectPtr();
    }

    static Outcome call(const ObjectPtr &target, const QString &member,
                        const automation::Values &args)
    {
        auto remote = std::dynamic_pointer_cast<RemoteObject>(target);
        EXPECT_TRUE(remote);
        Outcome outcome;
        if (!remote)
            return outcome;
        remote->invokeAsync(
            member, args, [&](const Value &) { outcome.done = true; },
            [&](const Error &e) {
                outcome.error = e;
                outcome.done = true;
            });
        if (!QTest::qWaitFor([&] { return outcome.done; }, 30000))
            ADD_FAILURE() << "no reply to " << qPrintable(member);
        return outcome;
    }

    // The recorded UI calls, each line split into its fields (texts still escaped).
    QList<QStringList> recorded() const
    {
        QFile f(log.fileName());
        QList<QStringList> lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (!line.isEmpty())
                lines.append(QString::fromUtf8(line).split(u'\t'));
        }
        return lines;
    }

    QTemporaryFile log;
    ServerLauncher launcher;
    MenuEnvironment env;
};

TEST_F(EmbeddingTest, PlainRunRegistersClassAndAddIn)
{
    EXPECT_EQ(automation::localServerPath(ProgId), QFileInfo(tolvarPath()).canonicalFilePath());
    QString value;
    profile::GetPrivateProfileString("Add-Ins32", ProgId, "missing", value, 13, "VB.INI");
    EXPECT_EQ(value, "0");
}

TEST_F(EmbeddingTest, ConnectClickAndDisconnectEndTheAddIn)
{
    const ObjectPtr connect = start();
    ASSERT_TRUE(connect);
    QSignalSpy finished(&launcher, &ServerLauncher::finished);

    Outcome connected = call(connect, "ConnectAddIn", {env.application()});
    ASSERT_TRUE(connected.done);
    EXPECT_FALSE(connected.error);
    EXPECT_EQ(env.calls, QStringList({"AddInMenu", "MenuItems",
                                      "Add(Vantix Software's Tolvar Add-In)", "ConnectEvents"}));
    ASSERT_EQ(env.items.size(), 1);
    ASSERT_EQ(env.items[0].handlers.size(), 1);
    // The handler the menu item calls is the very object the environment created.
    EXPECT_EQ(env.items[0].handlers[0].second, connect);

    Outcome clicked = call(env.items[0].handlers[0].second, "AfterClick", {});
    EXPECT_TRUE(clicked.done);
    EXPECT_FALSE(clicked.error);
    clicked = call(env.items[0].handlers[0].second, "AfterClick", {});
    EXPECT_FALSE(clicked.error);
    EXPECT_TRUE(launcher.isRunning());

    const qint32 id = env.items[0].handlers[0].first;
    env.calls.clear();
    Outcome disconnected = call(connect, "DisconnectAddIn", {Value(qint16(0))});
    ASSERT_TRUE(disconnected.done);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 15000));
    ASSERT_FALSE(finished.isEmpty());
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_EQ(env.calls,
              QStringList({QStringLiteral("DisconnectEvents(%1)").arg(id), "Remove(0)"}));
    EXPECT_TRUE(env.items.isEmpty());
    EXPECT_EQ(recorded(), QList<QStringList>({{"EndProcess"}}));
}

TEST_F(EmbeddingTest, EnvironmentErrorDuringConnectIsReported)
{
    const ObjectPtr connect = start();
    ASSERT_TRUE(connect);
    env.failAdd = Error(7, "Out of memory");

    Outcome connected = call(connect, "ConnectAddIn", {env.application()});
    ASSERT_TRUE(connected.done);
    EXPECT_FALSE(connected.error); // reported by the add-in, not handed back
    EXPECT_TRUE(env.items.isEmpty());
    EXPECT_EQ(recorded(), QList<QStringList>({{"MsgBox", "Error Number: 7\\r\\nOut of memory", "64",
                                               "Vantix Software Tolvar Add-In", "", "0"}}));
    EXPECT_TRUE(launcher.isRunning());
}

TEST_F(EmbeddingTest, AddInEndsWhenEnvironmentGoesAway)
{
    const ObjectPtr connect = start();
    ASSERT_TRUE(connect);
    ASSERT_FALSE(call(connect, "ConnectAddIn", {env.application()}).error);
    QSignalSpy finished(&launcher, &ServerLauncher::finished);
    launcher.stop(); // closes the connection; killing waits far longer than this test does
    EXPECT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 10000));
    ASSERT_FALSE(finished.isEmpty());
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(recorded().isEmpty());
}

// A plain run that cannot register, with nobody to see a message box: the error goes to standard
// error and the run fails at once instead of waiting on a box.
class PlainRunWithoutScreen : public ::testing::TestWithParam<const char *>
{
};

TEST_P(PlainRunWithoutScreen, ReportsOnStandardErrorAndFails)
{
    QTemporaryFile notAFolder;
    ASSERT_TRUE(notAFolder.open());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINDIR", notAFolder.fileName() + "/windows");
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TOLVAR_FAKE_UI"})
        environment.remove(name);
    if (*GetParam())
        environment.insert("QT_QPA_PLATFORM", GetParam());
    QProcess plain;
    plain.setProcessEnvironment(environment);
    plain.start(tolvarPath(), {});
    ASSERT_TRUE(plain.waitForFinished(30000));
    EXPECT_EQ(plain.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(plain.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(plain.readAllStandardError());
    EXPECT_TRUE(err.contains("Error Number: 75\nPath/File access error: ")) << qPrintable(err);
}

INSTANTIATE_TEST_SUITE_P(Platforms, PlainRunWithoutScreen, ::testing::Values("", "offscreen"));

} // namespace

namespace {

// Registering needs QtCore alone: no peer connection, no windows.
TEST(PlainRun, LoadsQtCoreAlone)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "files");
    environment.remove("TOLVAR_FAKE_UI");
    QProcess plain;
    plain.setProcessEnvironment(environment);
    plain.start(tolvarPath(), {});
    ASSERT_TRUE(plain.waitForFinished(30000));
    EXPECT_EQ(plain.exitCode(), 0);
    const QString trace = QString::fromLocal8Bit(plain.readAllStandardError());
    QStringList loaded;
    static const QRegularExpression qtLibrary(QStringLiteral("file=\\S*(libQt6\\w+)"));
    for (auto match = qtLibrary.globalMatch(trace); match.hasNext();)
        loaded << match.next().captured(1);
    loaded.removeDuplicates();
    loaded.sort();
    EXPECT_EQ(loaded, QStringList({"libQt6Core"}));
}

} // namespace

namespace {

const QString ToolWindowCaption = QStringLiteral("^ Vantix Software: Tolvar Add-In 2.0$");
const QString HomePageCaption =
    QStringLiteral("^Visual Basic World Wide - Vantix Software: Tolvar Add-In 2.0 Web Browser$");

// The add-in on a display of its own (Xvfb), its keys pressed through the X server, as a user
// would; the browser module is opened by that process alone.
class BrowserModuleTest : public EmbeddingTest
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool";
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return xvfb.canReadLine(); }, 20000));
        display = ":" + QString::fromLatin1(xvfb.readLine().trimmed());
        qputenv("DISPLAY", display.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        EmbeddingTest::SetUp();
    }

    void TearDown() override
    {
        EmbeddingTest::TearDown();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("DISPLAY");
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }

    QString xdotool(const QStringList &arguments, int timeout = 30000)
    {
        QProcess tool;
        tool.start("xdotool", arguments);
        tool.waitForFinished(timeout);
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }

    QString waitForWindow(const QString &caption)
    {
        QString id;
        const auto shown = [&] {
            return !(id = xdotool({"search", "--onlyvisible", "--name", caption})).isEmpty();
        };
        return QTest::qWaitFor(shown, 60000) ? id.section(u'\n', 0, 0) : QString();
    }

    // The tool window of a connected add-in, up and waiting for keys.
    QString openToolWindow(const ObjectPtr &connect)
    {
        EXPECT_FALSE(call(connect, "ConnectAddIn", {env.application()}).error);
        EXPECT_FALSE(call(env.items.value(0).handlers.value(0).second, "AfterClick", {}).error);
        const QString window = waitForWindow(ToolWindowCaption);
        xdotool({"windowfocus", "--sync", window});
        return window;
    }

    // Focus starts on the list, from which Shift+Tab goes back to Br, then along the buttons.
    void press(int backTabs)
    {
        QStringList keys{"key", "--delay", "50"};
        for (int i = 0; i < backTabs; ++i)
            keys << "shift+Tab";
        xdotool(keys << "space");
        QTest::qWait(300);
    }

    QByteArray mapsOfAddIn() const
    {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(launcher.processId()));
        return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    }

    QProcess xvfb;
    QString display;
};

TEST_F(BrowserModuleTest, WebEngineComesWithTheFirstBrowserClick)
{
    const ObjectPtr connect = start();
    ASSERT_TRUE(connect);
    openToolWindow(connect);
    EXPECT_FALSE(mapsOfAddIn().contains("libQt6WebEngine"));

    press(1);
    EXPECT_FALSE(waitForWindow(HomePageCaption).isEmpty());
    EXPECT_TRUE(mapsOfAddIn().contains("libQt6WebEngineCore"));
    EXPECT_FALSE(QString::fromUtf8(QFile(log.fileName()).readAll()).contains("Error Number"));
}

// A copy of the add-in folder whose browser module is missing or is no library at all.
class BrokenBrowserModule : public BrowserModuleTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(BrokenBrowserModule, BrowserButtonReportsEachClickAndTheOtherToolsWork)
{
    QTemporaryDir copy;
    const QDir built = QFileInfo(tolvarPath()).dir();
    ASSERT_TRUE(QDir(copy.path()).mkdir("modules"));
    for (const QString &folder : {QString(), QStringLiteral("modules/")})
        for (const QFileInfo &file : QDir(built.filePath(folder)).entryInfoList(QDir::Files))
            ASSERT_TRUE(QFile::copy(file.filePath(), copy.filePath(folder + file.fileName())));
    const QString module =
        QFileInfo(copy.path()).canonicalFilePath() + "/modules/tolvar-browser.so";
    ASSERT_TRUE(QFile::remove(module));
    if (GetParam()) {
        QFile broken(module);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a library");
    }
    QProcess::execute(copy.filePath("tolvar"), {});

    const ObjectPtr connect = start();
    ASSERT_TRUE(connect);
    openToolWindow(connect);
    press(1);
    press(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorded().size() == 2; }, 10000));
    for (const QStringList &box : recorded()) {
        ASSERT_GE(box.size(), 2);
        EXPECT_EQ(box[0], "MsgBox");
        EXPECT_TRUE(
            box[1].startsWith("Error Number: 48\\r\\nError in loading DLL " + module + ": "))
            << qPrintable(box[1]);
    }
    press(4); // from Br to MBox
    EXPECT_FALSE(waitForWindow("Message Box Wizard$").isEmpty());
    EXPECT_FALSE(mapsOfAddIn().contains("libQt6WebEngine"));

    launcher.stop();
    QProcess::execute(tolvarPath(), {});
}

INSTANTIATE_TEST_SUITE_P(RemovedOrCorrupt, BrokenBrowserModule, ::testing::Bool());

} // namespace
