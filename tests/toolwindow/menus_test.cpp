#include "toolwindowfixture.h"

#include "addin/runtime/addinfolder.h"
#include "addin/windows/formregistry.h"
#include "platform/ui/commondialog.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using tolvar::forms;

namespace {

class MenusTest : public ToolWindowFixture
{
protected:
    void SetUp() override
    {
        ToolWindowFixture::SetUp();
        writeLibrary({librarydb::linesRow(1, "One", {"x"})});
        window = load();
        ASSERT_TRUE(window);
        fake.calls.clear();
    }

    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }

    QStringList helpRequests() const
    {
        QStringList out;
        for (const auto &call : fake.callsTo("WinHelp"))
            out << QStringLiteral("%1 %2 %3")
                       .arg(call.args[0].toString())
                       .arg(call.args[1].toInt() == int(ui::HelpCommand::Contents) ? "contents"
                                                                                   : "context")
                       .arg(call.args[2].toInt());
        return out;
    }

    tolvar::ToolWindow *window = nullptr;
};

} // namespace

TEST_F(MenusTest, MenuBarHasTheNamedItemsInOrder)
{
    QStringList bar;
    for (QMenu *menu : {window->formMenu(), window->layoutMenu(), window->helpMenu()}) {
        QString line = menu->objectName() + ":" + menu->title();
        for (QAction *a : menu->actions())
            line += "|" + a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
        bar << line;
    }
    EXPECT_EQ(bar, QStringList({"cur:Form|mnucur(0)=Add general menu ",
                                "lay:&Layout|mnulay(0)=Space Equally &Across|"
                                "mnulay(1)=Space Equally &Down|"
                                "mnulay(2)=Centre &Horizontally in Form|"
                                "mnulay(3)=Centre &Vertically in Form|"
                                "mnulay(4)=&Tab Order by Position",
                                "help:Help|hlp(0)=Help Contents|hlp(1)=Using The Tolvar Add-In|"
                                "hlp(2)=-|hlp(3)=About"}));
    auto *dialog = window->findChild<ui::CommonDialog *>("CommonDialog1");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->owner(), window);
}

TEST_F(MenusTest, HelpItemsOpenTheAddInHelpFileEachTimeAfresh)
{
    const QString file = tolvar::AddInPath("tolvar.hlp");
    item("hlp(1)")->trigger();
    item("hlp(0)")->trigger();
    item("hlp(1)")->trigger();
    EXPECT_EQ(helpRequests(),
              QStringList({file + " context 80", file + " contents 0", file + " context 80"}));
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

TEST_F(MenusTest, SeparatorDoesNothingAndAboutShowsModeless)
{
    QWidget *about = forms().find(tolvar::formname::AboutBox);
    ASSERT_TRUE(about);
    window->hlp_Click(2);
    EXPECT_TRUE(fake.calls.isEmpty());
    EXPECT_FALSE(about->isVisible());

    item("hlp(3)")->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MenusTest, F1InAnyAddInWindowOpensTheHelpFileContents)
{
    QWidget *about = forms().show(tolvar::formname::AboutBox);
    for (QWidget *w : {static_cast<QWidget *>(window), about}) {
        fake.calls.clear();
        QTest::keyClick(w, Qt::Key_F1);
        EXPECT_EQ(helpRequests(), QStringList{tolvar::AddInPath("tolvar.hlp") + " contents 0"})
            << qPrintable(w->objectName());
    }
}
