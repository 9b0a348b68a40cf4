// vbhost with the add-in on an X server of its own under a real window manager (openbox), run
// as an ordinary user: the web engine's sandbox is on only then.
#include "desktop.h"

#include <QFile>

namespace {

using namespace desktop;

[[maybe_unused]] const auto *environment = ::testing::AddGlobalTestEnvironment(new Desktop);

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
        QFile file(home().filePath("Main.frm"));
        frm = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return frm.contains("Private Sub picLogo_Click()\r\n    Cls\r\nEnd Sub\r\n");
    })) << frm.toStdString();
    EXPECT_TRUE(frm.contains("Private Sub cmdCancel_Click()\r\n    Beep\r\n    Unload Me\r\n"));
    EXPECT_TRUE(frm.contains("End\r\nAttribute VB_Name = \"frmMain\"\r\nAttribute VB_Creatable = "
                             "False\r\nAttribute VB_Exposed = False\r\nOption Explicit\r\n"));
}

} // namespace
