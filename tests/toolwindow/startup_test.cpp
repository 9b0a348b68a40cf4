#include "menuenvironment.h"
#include "toolwindowfixture.h"

#include "addin/layout/matchcontrolsizes.h"
#include "addin/library/datacontrol.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/connect.h"
#include "addin/runtime/hostapp.h"
#include "addin/toolwindow/dblist.h"
#include "addin/toolwindow/helpfile.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/centerform.h"
#include "addin/windows/formregistry.h"

#include "platform/ui/twips.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using tolvar::forms;
using tolvar::ToolWindow;

namespace {

QPoint centredPosition(QWidget *w, const ui::FakeServices &fake)
{
    const QPoint twips = tolvar::centeredPositionTwips(
        fake.screenWidth, fake.screenHeight, ui::pixelsToTwips(w->frameGeometry().width()),
        ui::pixelsToTwips(w->frameGeometry().height()));
    return {ui::twipsToPixels(twips.x()), ui::twipsToPixels(twips.y())};
}

class StartupTest : public ToolWindowFixture
{
protected:
    void SetUp() override
    {
        ToolWindowFixture::SetUp();
        writeLibrary(
            {librarydb::linesRow(3, "Three", {"x"}), librarydb::linesRow(4, "Four", {"y"})});
    }
};

} // namespace

TEST_F(StartupTest, SplashPaintsBeforeInitializeAndGoesAfter)
{
    bool splashShownAlone = false;
    fake.onDoEvents = [&] {
        QWidget *splash = forms().find("Splash");
        splashShownAlone = splash && splash->isVisible() && !tolvar::toolWindow()->isVisible() &&
                           !forms().find("aboutbox");
    };
    ToolWindow *window = load();
    EXPECT_TRUE(splashShownAlone);
    EXPECT_EQ(fake.doEventsCount, 1);
    EXPECT_FALSE(forms().find("Splash"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartupTest, HelpFileIsSetFirst)
{
    tolvar::setAppHelpFile(QString());
    fake.onDoEvents = [&] { EXPECT_EQ(tolvar::appHelpFile(), tolvar::AddInPath("tolvar.hlp")); };
    load();
    EXPECT_EQ(tolvar::appHelpFile(), folder.path() + "/tolvar.hlp");
}

TEST_F(StartupTest, PreloadedWindowsAreHiddenAndCentred)
{
    ToolWindow *window = load();
    QWidget *about = forms().find("aboutbox");
    ASSERT_TRUE(about);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->pos(), centredPosition(about, fake));
    EXPECT_EQ(window->pos(), centredPosition(window, fake));
}

TEST_F(StartupTest, PreloadRunsInOrderBeforeTheWindowShows)
{
    QStringList order;
    for (const QString name : {"fles", "INbox", "MB", "saver"}) {
        forms().define(name, [&order, name] {
            order << name + (tolvar::toolWindow()->isVisible() ? " after" : "");
            return new QWidget;
        });
    }
    load();
    EXPECT_EQ(order, (QStringList{"fles", "INbox", "MB", "saver"}));
    EXPECT_TRUE(forms().find("aboutbox"));
    EXPECT_FALSE(forms().find("MB")->isVisible());
}

TEST_F(StartupTest, ListIsBoundToTheLibrary)
{
    ToolWindow *window = load();
    EXPECT_EQ(window->data()->DatabaseName(), folder.path() + "/tolvar.mdb");
    EXPECT_EQ(window->data()->RecordSource(), "Subs");
    EXPECT_EQ(window->list()->BoundColumn(), "ID");
    EXPECT_EQ(window->list()->DataField(), "ID");
    EXPECT_EQ(window->list()->ListField(), "Description");
    ASSERT_EQ(window->list()->count(), 2);
    EXPECT_EQ(window->list()->item(1)->text(), "Four");
    // The first record is current, so its entry shows selected.
    EXPECT_EQ(window->list()->BoundText(), "3");
}

TEST_F(StartupTest, LoaderLoadsOnce)
{
    ToolWindow *first = load();
    ToolWindow *second = load();
    EXPECT_EQ(first, second);
    EXPECT_EQ(fake.doEventsCount, 1);
}

TEST_F(StartupTest, FailingInitializeLeavesWindowLoadedButHidden)
{
    forms().define("INbox", []() -> QWidget * { throw automation::Error(7, "Out of memory"); });
    ToolWindow *window = load();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(forms().find("Splash"));
    EXPECT_TRUE(forms().find("aboutbox"));
    ASSERT_EQ(errorReports().size(), 1);
    EXPECT_EQ(errorReports()[0].args[0].toString(), "Error Number: 7\r\nOut of memory");

    // Choosing the command again changes nothing.
    EXPECT_EQ(load(), window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(errorReports().size(), 1);
}

class BrokenLibraryTest : public ToolWindowFixture,
                          public ::testing::WithParamInterface<const char *>
{
};

TEST_P(BrokenLibraryTest, IsReportedOnceAndTheRestWorks)
{
    const QString path = folder.filePath("tolvar.mdb");
    const QString kind = GetParam();
    if (kind == "corrupt") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Standard Jet DB? no, just text\n");
    } else if (kind == "tableless") {
        librarydb::create(path, {librarydb::linesRow(1, "x", {"y"})}, 20, "Other");
    }
    ToolWindow *window = load();
    ASSERT_EQ(errorReports().size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->list()->count(), 0);

    qint16 mode = 0;
    window->runMatchControlSizes = [&](qint16 sizeMode) { mode = sizeMode; };
    QTest::mouseClick(window->findChild<QWidget *>("SizeB"), Qt::LeftButton);
    EXPECT_EQ(mode, 3);
    QTest::mouseClick(window->findChild<QWidget *>("LeftA"), Qt::LeftButton);
    EXPECT_EQ(errorReports().size(), 2); // the align tool itself finds no environment
}

INSTANTIATE_TEST_SUITE_P(StartupTest, BrokenLibraryTest,
                         ::testing::Values("missing", "corrupt", "tableless"));

TEST_F(StartupTest, MenuCommandLoadsToolWindowOnce)
{
    tolvar::testing::MenuEnvironment env;
    auto connect = std::make_shared<tolvar::Connect>();
    tolvar::setToolWindowLoader(tolvar::LoadToolWindow);
    connect->ConnectAddIn(env.application());
    env.click(0);
    env.click(0);
    int wizards = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "wizard") {
            ++wizards;
            EXPECT_TRUE(w->isVisible());
        }
    }
    EXPECT_EQ(wizards, 1);
    tolvar::setToolWindowLoader({});
    tolvar::HostApp = automation::Value();
}
