#include "accessiblenames.h"
#include "addin/browser/browser.h"
#include "addin/browser/browserlogic.h"
#include "addin/browser/percentpanel.h"
#include "addin/runtime/addinfolder.h"
#include "fakeservices.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/twips.h"
#include "platform/webcontrol/fakebrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using tolvar::Browser;
using tolvar::BrowserButtons;
using webcontrol::FakeBrowser;

namespace {

class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tolvar::setAddInFolderForTesting(QStringLiteral("/opt/addin"));
        window = std::make_unique<Browser>(webcontrol::fakeBrowserFactory());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        QList<Browser *> opened;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *b = qobject_cast<Browser *>(w); b && b != window.get())
                opened << b;
        qDeleteAll(opened);
        tolvar::setAddInFolderForTesting({});
    }

    FakeBrowser *web() const { return static_cast<FakeBrowser *>(window->webBrowser()); }
    QStringList locations() const
    {
        QStringList list;
        for (int i = 0; i < window->locationBox()->count(); ++i)
            list << window->locationBox()->itemText(i);
        return list;
    }
    qint64 pictureOf(int code) const { return window->button(code)->Picture().cacheKey(); }
    qint64 holder(const QString &name) const
    {
        return window->findChild<QLabel *>(name)->pixmap().cacheKey();
    }
    void pointAt(QWidget *widget) { QTest::mouseMove(widget, widget->rect().center()); }

    ui::FakeServices services;
    ui::ScopedServices scoped{&services};
    std::unique_ptr<Browser> window;
};

} // namespace

TEST_F(BrowserTest, OpensAtTheHomePageInTheAddInFolder)
{
    EXPECT_EQ(Browser::HomePage(), QStringLiteral("file:///opt/addin/home.htm"));
    EXPECT_EQ(web()->calls, QStringList{"Navigate " + Browser::HomePage()});
    EXPECT_EQ(locations(), QStringList{Browser::HomePage()});
    EXPECT_EQ(window->windowTitle(), "Vantix Software: Tolvar Add-In 2.0 Web Browser");
}

TEST_F(BrowserTest, LocationListKeepsFirstVisitsAndLetterCase)
{
    for (const char *address : {"http://a/", "http://b/", "http://a/", "http://A/", "http://b/"})
        emit web()->BeforeNavigate(address);
    EXPECT_EQ(locations(),
              (QStringList{Browser::HomePage(), "http://a/", "http://b/", "http://A/"}));
    EXPECT_EQ(window->locationBox()->currentText(), "http://b/");
}

TEST_F(BrowserTest, EnterAndListChoiceNavigateToTheLocationText)
{
    // Typed keys reach the box itself; a key sent to its line edit counts the same.
    QComboBox *combo = window->locationBox();
    for (QWidget *target :
         {static_cast<QWidget *>(combo), static_cast<QWidget *>(combo->lineEdit())}) {
        const QString address = target == combo ? "example.org" : "example.net";
        combo->setEditText(QString());
        QTest::keyClicks(target, address);
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_EQ(web()->calls.last(), "Navigate " + address);
        EXPECT_EQ(locations().last(), address);
    }
    EXPECT_EQ(web()->calls.size(), 3);

    emit combo->activated(0);
    EXPECT_EQ(web()->calls.last(), "Navigate " + combo->currentText());
    EXPECT_EQ(web()->calls.size(), 4);
}

TEST_F(BrowserTest, ToolbarAndSearchButtonsDriveTheControl)
{
    const QStringList expected{"GoBack", "GoForward", "Stop", "Refresh",
                               "Navigate " + Browser::HomePage()};
    for (int code = 1; code <= 5; ++code) {
        QTest::mouseClick(window->button(code), Qt::LeftButton);
        EXPECT_EQ(web()->calls.last(), expected[code - 1]);
        EXPECT_EQ(window->button(code)->accessibleName(), BrowserButtons[code - 1].subject);
    }
    for (int i = 0; i < 7; ++i) {
        auto *search = window->findChild<QPushButton *>(QStringLiteral("Command1(%1)").arg(i));
        QTest::mouseClick(search, Qt::LeftButton);
        EXPECT_EQ(web()->calls.last(), "Navigate " + tolvar::SearchEngines[i].address);
    }
}

TEST_F(BrowserTest, HighlightMovesBetweenButtonsAndStaysOverThePane)
{
    pointAt(window->button(1));
    pointAt(window->button(2));
    EXPECT_EQ(pictureOf(1), holder("MoveBUp"));
    EXPECT_EQ(pictureOf(2), holder("MoveFDn"));
    EXPECT_EQ(window->PreviousHighlight, 2);
    EXPECT_EQ(window->statusText(), "Move forward a page.");

    pointAt(window->webBrowser());
    EXPECT_EQ(pictureOf(2), holder("MoveFDn"));

    // An empty spot of the strip, between the buttons and the location label.
    QTest::mouseMove(window->findChild<QWidget *>("Picture1"),
                     QPoint(ui::twipsToPixels(3300), ui::twipsToPixels(300)));
    EXPECT_EQ(pictureOf(2), holder("MoveFup"));
    EXPECT_EQ(window->PreviousHighlight, 2);
    EXPECT_EQ(window->statusText(), "Move forward a page.");

    emit web()->StatusTextChange("Done");
    EXPECT_EQ(window->statusText(), "Done");

    // The pane taking the focus restores a highlight the way the window's surface does.
    pointAt(window->button(4));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    web()->setFocus();
    EXPECT_EQ(pictureOf(4), holder("RefUp"));
}

TEST_F(BrowserTest, PressAndReleaseLeaveTheRestingPicture)
{
    QWidget *stop = window->button(3);
    pointAt(stop);
    QTest::mousePress(stop, Qt::LeftButton);
    EXPECT_EQ(pictureOf(3), holder("StopCk"));
    QTest::mouseRelease(stop, Qt::LeftButton);
    EXPECT_EQ(pictureOf(3), holder("StopUp"));
    QTest::mouseMove(stop, QPoint(2, 2));
    EXPECT_EQ(pictureOf(3), holder("StopDn"));
}

TEST_F(BrowserTest, ProgressFigureIsWhileLoadingAndHiddenAfter)
{
    tolvar::PercentPanel *panel = window->progressPanel();
    emit web()->DownloadProgress(40, 100);
    EXPECT_EQ(panel->ForeColor(), QColor(Qt::white));
    EXPECT_EQ(panel->FloodPercent(), 40);
    EXPECT_TRUE(panel->figureVisible());

    emit web()->DownloadProgress(-1, 100);
    const QColor strip =
        window->findChild<QWidget *>("SSPanel1")->palette().color(QPalette::Window);
    EXPECT_EQ(panel->ForeColor(), strip);
    EXPECT_EQ(panel->FloodPercent(), 40);
    EXPECT_FALSE(panel->figureVisible());

    emit web()->DownloadProgress(250, 100);
    EXPECT_EQ(panel->FloodPercent(), 40);
}

TEST_F(BrowserTest, CaptionFollowsThePageTitle)
{
    emit web()->TitleChange("Search");
    EXPECT_EQ(window->windowTitle(), "Search - Vantix Software: Tolvar Add-In 2.0 Web Browser");
}

TEST_F(BrowserTest, LayoutFillsTheInnerArea)
{
    QWidget *inner = window->centralWidget();
    const QRect combo = window->locationBox()->geometry();
    EXPECT_NEAR(combo.right() + 1, inner->width(), 1);

    const QWidget *strip = window->findChild<QWidget *>("SSPanel1");
    const QRect pane = window->webBrowser()->geometry();
    EXPECT_EQ(pane.top(), window->findChild<QWidget *>("Picture1")->height());
    EXPECT_NEAR(pane.bottom() + 1, strip->y(), 1);
    EXPECT_EQ(pane.width(), inner->width());
    EXPECT_EQ(strip->geometry().bottom() + 1, inner->height());

    const double w = inner->width();
    const QRect status = window->findChild<QStatusBar *>("StatusBar1")->geometry();
    const QRect panel = window->progressPanel()->geometry();
    EXPECT_NEAR(status.width() / w, 0.874, 0.01);
    EXPECT_NEAR(panel.left() / w, 0.879, 0.01);
    EXPECT_NEAR(panel.width() / w, 0.121, 0.01);
}

TEST_F(BrowserTest, MinimisedResizeMovesNothing)
{
    EXPECT_FALSE(tolvar::layoutBrowser(9000, 4000, true, {}));
    window->setWindowState(Qt::WindowMinimized);
    window->webBrowser()->setGeometry(1, 2, 3, 4);
    window->LayoutBrowser();
    EXPECT_EQ(window->webBrowser()->geometry(), QRect(1, 2, 3, 4));
}

TEST_F(BrowserTest, NewWindowTwiceGivesThreeIndependentWindows)
{
    window->File_Click(0);
    window->File_Click(0);
    QList<Browser *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<Browser *>(w); b && b->isVisible())
            windows << b;
    ASSERT_EQ(windows.size(), 3);
    emit web()->BeforeNavigate("http://only.here/");
    for (Browser *b : windows) {
        auto *fake = static_cast<FakeBrowser *>(b->webBrowser());
        EXPECT_EQ(fake->calls.first(), "Navigate " + Browser::HomePage());
        EXPECT_EQ(b->locationBox()->count(), b == window.get() ? 2 : 1);
    }
}

TEST_F(BrowserTest, OpenNavigatesToTheChosenFileAndCancelChangesNothing)
{
    services.openFileNames = {std::nullopt, QStringLiteral("/tmp/page.html")};
    window->File_Click(1);
    EXPECT_EQ(web()->calls.size(), 1);
    EXPECT_TRUE(services.messageBoxes().isEmpty());
    const auto open = services.callsTo("ShowOpen");
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].args[1].toString(), "All Files (*.*)|*.*");
    EXPECT_TRUE(open[0].args[3].toBool());
    EXPECT_EQ(open[0].args[4].toInt(), 1);

    window->File_Click(1);
    EXPECT_EQ(web()->calls.last(), "Navigate /tmp/page.html");
}

TEST_F(BrowserTest, ExitHidesAndKeepsTheLocations)
{
    emit web()->BeforeNavigate("http://kept/");
    window->File_Click(3);
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(locations().last(), "http://kept/");
}

TEST_F(BrowserTest, WindowReadsAsItsCaptionAndStatusAsItsText)
{
    emit web()->StatusTextChange("Opening page http://example.org/...");
    EXPECT_EQ(testing_a11y::readName(window->findChild<QLabel *>("StatusBar1Text")),
              "Opening page http://example.org/...");
    EXPECT_EQ(testing_a11y::misnamedText(window.get()), "");
}

TEST_F(BrowserTest, HelpMenuUsesThisWindowsOwnDialog)
{
    QStringList captions;
    for (QAction *action : window->helpMenu()->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Help Contents", "Using The Tolvar Add-In", "", "About"}));

    const QString helpFile = tolvar::AddInPath("tolvar.hlp");
    window->help_Click(1);
    window->help_Click(0);
    window->help_Click(2);
    const auto help = services.callsTo("WinHelp");
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0].args, (QVariantList{helpFile, int(ui::HelpCommand::Context), 80}));
    EXPECT_EQ(help[1].args.mid(0, 2), (QVariantList{helpFile, int(ui::HelpCommand::Contents)}));
    EXPECT_EQ(window->commonDialog()->owner(), window.get());
}
