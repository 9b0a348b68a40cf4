// vbhost with the add-in on an X server of its own under a real window manager (openbox), run
// as an ordinary user: the web engine's sandbox is on only then.
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const char *const ToolWindow = "^ Vantix Software: Tolvar Add-In 2.0$";
QTemporaryDir home;
QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

// Runs a shell command on the test's display; what it printed.
QString sh(const QString &command)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("sh", {"-c", command});
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

bool waitFor(const std::function<bool()> &done)
{
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
        if (done())
            return true;
    }
    return false;
}

QList<qulonglong> ids(const QString &text)
{
    QList<qulonglong> result;
    for (const auto &m : QRegularExpression("0x[0-9a-f]+").globalMatch(text))
        result << m.captured().toULongLong(nullptr, 16);
    return result;
}

QString window(const QString &title)
{
    // Windows going away while it searches make xdotool complain: only its answer counts.
    return sh("xdotool search --name '" + title + "' 2>/dev/null | head -n 1");
}

// When the test runs as root, the program runs as nobody.
void startAsOrdinaryUser(QProcess &process, const QString &program, const QStringList &args)
{
    if (::geteuid() != 0)
        return process.start(program, args);
    process.start("setpriv",
                  QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", program} +
                      args);
}

class Desktop : public ::testing::Environment
{
public:
    void SetUp() override
    {
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("WINDIR", home.filePath("windows"));
        env.insert("TOLVAR_FAKE_UI", home.filePath("ui.log"));
        env.remove("QT_QPA_PLATFORM");
        server.start("Xvfb",
                     {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        ASSERT_TRUE(server.waitForReadyRead(30000));
        env.insert("DISPLAY", ':' + QString(server.readAllStandardOutput().trimmed()));
        wm.setProcessEnvironment(env);
        wm.start("openbox", {});
        ASSERT_TRUE(waitFor(
            [] { return !sh("xprop -root _NET_SUPPORTING_WM_CHECK").contains("not found"); }));
        sh(R"(cp "$TOLVAR_SOURCE_DIR"/examples/Demo/* "$XDG_RUNTIME_DIR" && "$TOLVAR_ADDIN_DIR/tolvar")");
        if (::geteuid() == 0)
            sh("chown -R 65534:65534 \"$HOME\"");
        vbhost.setProcessEnvironment(env);
        vbhost.setStandardErrorFile(home.filePath("stderr.txt"));
        startAsOrdinaryUser(vbhost, env.value("TOLVAR_BUILD_DIR") + "/bin/vbhost",
                            {home.filePath("Demo.vbp"), "--addin", "VantixTolvarAddIn.connect",
                             "--choose", "Vantix Software's Tolvar Add-In"});
        ASSERT_TRUE(waitFor([] { return !window(ToolWindow).isEmpty(); }));
    }
    void TearDown() override
    {
        for (QProcess *p : {&vbhost, &wm, &server}) {
            p->terminate();
            p->waitForFinished();
        }
    }
    QProcess server, wm, vbhost;
};

[[maybe_unused]] const auto *desktop = ::testing::AddGlobalTestEnvironment(new Desktop);

void clickToolButton(int k)
{
    sh(QString("xdotool windowactivate --sync %1 mousemove --window %1 %2 45 click 1")
           .arg(window(ToolWindow))
           .arg((75 + 480 * k - 240) / 15));
}

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
        clickToolButton(GetParam().button);
    QString owned;
    ASSERT_TRUE(waitFor([&] { return !(owned = window(GetParam().title)).isEmpty(); }));
    const QString main = window("^Demo \\[design\\]");
    const QList<qulonglong> mainId{main.toULongLong()};
    sh("xdotool mousemove --window " + main + " 40 150 click 1");
    ASSERT_TRUE(waitFor([&] { return ids(sh("xprop -root _NET_ACTIVE_WINDOW")) == mainId; }));
    const QList<qulonglong> stack = ids(sh("xprop -root _NET_CLIENT_LIST_STACKING"));
    EXPECT_GT(stack.indexOf(owned.toULongLong()), stack.indexOf(mainId[0]));
    EXPECT_EQ(ids(sh("xprop -id " + owned + " WM_TRANSIENT_FOR")), mainId);
    EXPECT_FALSE(sh("xprop -id " + owned + " _NET_WM_STATE").contains("SKIP_TASKBAR"));
}

INSTANTIATE_TEST_SUITE_P(Windows, OwnedWindowTest,
                         ::testing::Values(OwnedCase{"ToolWindow", 0, ToolWindow},
                                           OwnedCase{"MessageBoxWizard", 8, "Message Box Wizard$"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(QuietTest, TheBrowserPrintsNothingOnStandardErrorAtHomeOrOnASecondSite)
{
    clickToolButton(12);
    // The home page has loaded once its title is in the caption.
    ASSERT_TRUE(
        waitFor([] { return !window("^Visual Basic World Wide.*Web Browser$").isEmpty(); }));
    // A local page, typed into the location box, sends the browser to another site, whose page
    // (the engine's error page: nothing listens there) takes a process of its own.
    sh(R"(echo '<meta http-equiv="refresh" content="0; url=http://127.0.0.1:9/">' >"$HOME/go.htm")");
    const QString browser = window("Web Browser$");
    sh("xdotool windowactivate --sync " + browser + " mousemove --window " + browser +
       " 400 45 click 1 key ctrl+a type \"$HOME/go.htm\"");
    sh("xdotool key Return");
    ASSERT_TRUE(waitFor([] { return !window("^127\\.0\\.0\\.1 - .*Web Browser$").isEmpty(); }));
    QThread::msleep(2000);
    EXPECT_EQ(sh("cat \"$XDG_RUNTIME_DIR/stderr.txt\"").toStdString(), "");
}

// The demo form's code from the keyboard: the Object list (Ctrl+F2) and the Proc list chosen
// by typing into them, a line typed, the project saved.
TEST(CodeWindowTest, ButtonAndClickEventChosenFromTheListsAndALineTypedAndSaved)
{
    const QString main = window("^Demo \\[design\\]");
    const QString keys = "xdotool windowactivate --sync " + main + " key --delay 150 ";
    sh(keys + "ctrl+r Home Down Down F7");
    QThread::msleep(1000); // the code window is inside the main window, not one of X's
    const auto choose = [&](const QString &list, const QString &name) {
        sh(keys + list);
        sh("xdotool type --delay 60 " + name);
        sh("xdotool key --delay 150 Return");
    };
    choose("ctrl+F2", "cmdCancel");
    choose("ctrl+F2 Tab", "Click");
    sh("xdotool type --delay 60 Beep && xdotool key Return");
    // A control without code: its Click procedure is added, the cursor inside it.
    choose("ctrl+F2", "picLogo");
    sh("xdotool type --delay 60 '    Cls'");
    sh(keys + "ctrl+s");
    QByteArray frm;
    EXPECT_TRUE(waitFor([&] {
        QFile file(home.filePath("Main.frm"));
        frm = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return frm.contains("Private Sub picLogo_Click()\r\n    Cls\r\nEnd Sub\r\n");
    })) << frm.toStdString();
    EXPECT_TRUE(frm.contains("Private Sub cmdCancel_Click()\r\n    Beep\r\n    Unload Me\r\n"));
    EXPECT_TRUE(frm.contains("End\r\nAttribute VB_Name = \"frmMain\"\r\nAttribute VB_Creatable = "
                             "False\r\nAttribute VB_Exposed = False\r\nOption Explicit\r\n"));
}

} // namespace
