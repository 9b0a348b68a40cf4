#include "toolwindowfixture.h"

#include "addin/host/addinfolder.h"
#include "addin/toolwindow/formregistry.h"

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
    for (QMenu *menu : {window->formMenu(), window->helpMenu()}) {
        QString line = menu->objectName() + ":" + menu->title();
        for (QAction *a : menu->actions())
            line += "|" + a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
        bar << line;
    }
    EXPECT_EQ(bar, QStringList({"cur:Form|mnucur(0)=Add general menu ", "help:Help"}));
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
