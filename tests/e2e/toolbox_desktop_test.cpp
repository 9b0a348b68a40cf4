// A control drawn from the toolbox with the mouse in a real vbhost, lined up by the add-in,
// saved and read back; found on the screen through the accessibility tree.
#include "desktop.h"
#include "ide/model/workspace.h"

#include <QRect>

namespace {

using namespace desktop;

[[maybe_unused]] const auto *environment =
    ::testing::AddGlobalTestEnvironment(new Desktop(/*accessible=*/true));

// Where the named object of vbhost is on the screen; null while it is not there.
QRect onScreen(const QString &name, const QString &role = {})
{
    const QStringList n = sh(QString("/usr/bin/python3 \"$TOLVAR_SOURCE_DIR/tests/e2e/"
                                     "accessible.py\" vbhost '%1' '%2'")
                                 .arg(name, role))
                              .split(' ');
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}

TEST(ToolboxDesktopTest, AControlDrawnWithTheMouseIsLinedUpByTheAddInSavedAndReadBack)
{
    QRect tool, form;
    ASSERT_TRUE(waitFor([&] { return !(tool = onScreen("CommandButton", "check box")).isNull(); }));
    ASSERT_TRUE(waitFor([&] { return !(form = onScreen("Form designer surface")).isNull(); }));
    const double tpp = 6960.0 / form.width(); // the demo form's ScaleWidth
    const auto at = [&](double x, double y) {
        return QString("%1 %2").arg(form.x() + int(x / tpp)).arg(form.y() + int(y / tpp));
    };
    sh("xdotool windowmove --sync " + window(ToolWindow) + " 700 850"); // off the form
    const QString main = window("^Demo \\[design\\]");
    sh("xdotool windowactivate --sync " + main);
    // The tool, then a rectangle below the logo; then the logo with Ctrl for the selection.
    sh(QString("xdotool mousemove %1 %2 click 1").arg(tool.center().x()).arg(tool.center().y()));
    sh("xdotool mousemove " + at(5700, 3360) + " mousedown 1 mousemove " + at(6200, 3600) +
       " mousemove " + at(6660, 3780) + " mouseup 1");
    sh("xdotool mousemove " + at(6300, 2760) + " keydown ctrl click 1 keyup ctrl");
    clickToolButton(2); // right edges lined up with the outermost one
    QThread::msleep(1500);
    sh("xdotool windowactivate --sync " + main + " key ctrl+s");

    // The file first: a project read before the save ended would hold the old form.
    ASSERT_TRUE(waitFor([&] {
        return sh("cat \"$XDG_RUNTIME_DIR/Main.frm\"").contains("Begin VB.CommandButton Command1");
    }));
    vbhost::Workspace reopened;
    reopened.open(home().filePath("Demo.vbp"));
    const int mainForm = reopened.documents().first().id;
    const double width = reopened.property(mainForm, "Command1", "Width").toDouble();
    EXPECT_NEAR(width, 960, 2 * tpp);
    EXPECT_NEAR(reopened.property(mainForm, "Command1", "Top").toDouble(), 3360, 2 * tpp);
    EXPECT_EQ(reopened.property(mainForm, "Command1", "Left").toDouble() + width, 5760 + 1095);
    EXPECT_EQ(reopened.property(mainForm, "Command1", "Caption").toString(), "Command1");
}

} // namespace
