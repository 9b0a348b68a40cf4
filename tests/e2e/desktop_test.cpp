// vbhost and the add-in as a person meets them: on an X server of their own with a real window
// manager, the add-in's windows owned by vbhost's main window, and nothing on standard error.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString ToolWindowTitle = QStringLiteral("^ Vantix Software: Tolvar Add-In 2.0$");

bool waitFor(const std::function<bool()> &done, int milliseconds = 60000)
{
    for (QDeadlineTimer deadline(milliseconds); !deadline.hasExpired(); QThread::msleep(100)) {
        if (done())
            return true;
    }
    return done();
}

// Xvfb, openbox and vbhost with the demo project and the add-in's tool window open.
class Desktop : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid() && QDir(home.path()).mkpath("run"));
        QFile::setPermissions(home.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The server picks a free display and says which.
        server.start("Xvfb",
                     {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        ASSERT_TRUE(waitFor([this] { return server.waitForReadyRead(100); }, 30000));
        env.insert("DISPLAY", ':' + QString::fromLatin1(server.readAllStandardOutput().trimmed()));
        env.insert("WINDIR", home.filePath("windows"));
        env.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        env.insert("TOLVAR_FAKE_UI", home.filePath("addin-ui.log"));
        env.remove("QT_QPA_PLATFORM");
        for (QProcess *p : {&windowManager, &vbhost})
            p->setProcessEnvironment(env);
        windowManager.start("openbox", {});
        ASSERT_TRUE(waitFor([this] {
            return !x("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("not found");
        }));

        const QString demo = qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/examples/Demo";
        for (const QString &name : QDir(demo).entryList(QDir::Files))
            QFile::copy(demo + u'/' + name, home.filePath(name));
        ASSERT_EQ(x(qEnvironmentVariable("TOLVAR_ADDIN_DIR") + "/tolvar", {}), "");
        vbhost.setStandardErrorFile(home.filePath("stderr.txt"));
        vbhost.start(qEnvironmentVariable("TOLVAR_BUILD_DIR") + "/bin/vbhost",
                     {home.filePath("Demo.vbp"), "--addin", "VantixTolvarAddIn.connect", "--choose",
                      "Vantix Software's Tolvar Add-In"});
        ASSERT_TRUE(waitFor([this] { return window(ToolWindowTitle) != 0; }));
        main = window("vbhost \\[design\\]$");
    }

    void TearDown() override
    {
        for (QProcess *p : {&vbhost, &windowManager, &server}) {
            p->terminate();
            if (!p->waitForFinished(10000))
                p->kill();
            p->waitForFinished();
        }
    }

    // Runs an X client on this display and returns what it printed.
    QString x(const QString &program, const QStringList &arguments) const
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, arguments);
        p.waitForFinished(30000);
        return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
    }

    static QList<qulonglong> ids(const QString &text)
    {
        QList<qulonglong> result;
        static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
        for (const auto &m : id.globalMatch(text))
            result << m.captured().toULongLong(nullptr, 16);
        return result;
    }

    qulonglong window(const QString &title) const
    {
        return x("xdotool", {"search", "--name", title}).section(u'\n', 0, 0).toULongLong();
    }
    QList<qulonglong> stacking() const
    {
        return ids(x("xprop", {"-root", "-notype", "_NET_CLIENT_LIST_STACKING"}));
    }
    QString property(qulonglong id, const QString &name) const
    {
        return x("xprop", {"-id", QString::number(id), "-notype", name});
    }
    // A click on the form being designed, which makes vbhost's window the active one.
    void clickTheForm() const
    {
        x("xdotool", {"mousemove", "--window", QString::number(main), "40", "150", "click", "1"});
        waitFor([this] {
            return ids(x("xprop", {"-root", "-notype", "_NET_ACTIVE_WINDOW"})) ==
                   QList<qulonglong>{main};
        });
    }
    void clickToolButton(int k) const
    {
        const QString tool = QString::number(window(ToolWindowTitle));
        x("xdotool", {"windowactivate", "--sync", tool});
        // The k-th button's middle, below the menu bar.
        const QString left = QString::number((75 + 480 * (k - 1) + 240) / 15);
        x("xdotool", {"mousemove", "--window", tool, left, "45", "click", "1"});
    }
    QString standardError() const
    {
        QFile f(home.filePath("stderr.txt"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : "(none)";
    }

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess server, windowManager, vbhost;
    qulonglong main = 0;
};

Desktop *desktop = static_cast<Desktop *>(::testing::AddGlobalTestEnvironment(new Desktop));

struct OwnedCase
{
    const char *name;
    int button; // the tool button that opens it; 0 for the tool window itself
    const char *title;
};

class OwnedWindowTest : public ::testing::TestWithParam<OwnedCase>
{
};

TEST_P(OwnedWindowTest, StaysAboveTheMainWindowAfterAClickOnTheForm)
{
    if (GetParam().button)
        desktop->clickToolButton(GetParam().button);
    qulonglong owned = 0;
    ASSERT_TRUE(waitFor([&] { return (owned = desktop->window(GetParam().title)) != 0; }));
    desktop->clickTheForm();
    const QList<qulonglong> stack = desktop->stacking();
    ASSERT_TRUE(stack.contains(desktop->main));
    EXPECT_GT(stack.indexOf(owned), stack.indexOf(desktop->main));
    EXPECT_EQ(Desktop::ids(desktop->property(owned, "WM_TRANSIENT_FOR")),
              QList<qulonglong>{desktop->main});
    EXPECT_FALSE(desktop->property(owned, "_NET_WM_STATE").contains("SKIP_TASKBAR"));
}

INSTANTIATE_TEST_SUITE_P(Windows, OwnedWindowTest,
                         ::testing::Values(OwnedCase{"ToolWindow", 0,
                                                     "^ Vantix Software: Tolvar Add-In 2.0$"},
                                           OwnedCase{"MessageBoxWizard", 8, "Message Box Wizard$"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(QuietTest, OpeningTheBrowserPrintsNothingOnStandardError)
{
    desktop->clickToolButton(12);
    ASSERT_TRUE(waitFor([] { return desktop->window("Web Browser$") != 0; }));
    // The home page has loaded and painted once its title is in the caption.
    ASSERT_TRUE(waitFor([] { return desktop->window("^Visual Basic World Wide") != 0; }));
    QThread::msleep(2000);
    EXPECT_EQ(desktop->standardError().toStdString(), "");
}

} // namespace
