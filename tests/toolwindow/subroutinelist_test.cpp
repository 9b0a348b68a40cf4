#include "toolwindowfixture.h"

#include "addin/toolwindow/dblist.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using tolvar::ToolWindow;

namespace {

class SubroutineListTest : public ToolWindowFixture
{
protected:
    void open(const QList<librarydb::Row> &rows, int fieldCount = 20)
    {
        writeLibrary(rows, fieldCount);
        window = load();
        ASSERT_TRUE(window);
        fake.clipboard = "old clipboard";
    }

    void choose(int row)
    {
        QListWidget *list = window->list();
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    ToolWindow *window = nullptr;
};

} // namespace

TEST_F(SubroutineListTest, ClickCopiesTheEntryWithCarriageReturns)
{
    open({librarydb::linesRow(5, "Five", {"a"}),
          librarydb::linesRow(12, "Twelve", {"Sub T()", "    Beep", "End Sub"})});
    choose(1);
    EXPECT_EQ(fake.clipboard, "Sub T()\r    Beep\rEnd Sub\r");
    EXPECT_EQ(window->statusText(), "Subroutine Copied");
    EXPECT_EQ(window->Copy.SearchCriteria, "ID = 12");
    EXPECT_EQ(window->Copy.CodeText, fake.clipboard);
}

TEST_F(SubroutineListTest, KeyboardSelectionCopiesToo)
{
    open({librarydb::linesRow(1, "One", {"one"}), librarydb::linesRow(2, "Two", {"two"})});
    window->list()->setFocus();
    QTest::keyClick(window->list(), Qt::Key_Down);
    EXPECT_EQ(fake.clipboard, "two\r");
    fake.clipboard.clear();
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_EQ(fake.clipboard, "two\r");
}

TEST_F(SubroutineListTest, EmptyFirstLineCopiesNothingAndKeepsStatus)
{
    open({librarydb::linesRow(1, "Empty", {})});
    window->setStatusText("before");
    choose(0);
    EXPECT_EQ(fake.clipboard, "");
    EXPECT_EQ(window->statusText(), "before");
}

TEST_F(SubroutineListTest, NullLineInTheMiddleBecomesAnEmptyLine)
{
    open({{1, "Gap", {"a", librarydb::null(), "c", ""}}});
    choose(0);
    EXPECT_EQ(fake.clipboard, "a\r\rc\r");
}

TEST_F(SubroutineListTest, RemovedRecordIsReportedAndClipboardKept)
{
    open({librarydb::linesRow(1, "One", {"one"}), librarydb::linesRow(2, "Two", {"two"})});
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "remove-record");
        db.setDatabaseName(folder.filePath("tolvar.mdb"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("DELETE FROM Subs WHERE ID = 2");
        db.close();
    }
    QSqlDatabase::removeDatabase("remove-record");
    choose(1);
    ASSERT_EQ(errorReports().size(), 1);
    EXPECT_TRUE(errorReports()[0].args[0].toString().startsWith("Error Number: 3021\r\n"));
    EXPECT_EQ(fake.clipboard, "old clipboard");
    EXPECT_TRUE(fake.callsTo("setClipboardText").isEmpty());
    EXPECT_EQ(window->list()->BoundText(), "1");
}

TEST_F(SubroutineListTest, MissingLineFieldIsReportedAndClipboardKept)
{
    open({librarydb::linesRow(1, "Short table", {"a", "b", "c"}, 3)}, 3);
    choose(0);
    ASSERT_EQ(errorReports().size(), 1);
    EXPECT_TRUE(errorReports()[0].args[0].toString().startsWith("Error Number: 3265\r\n"));
    EXPECT_EQ(fake.clipboard, "old clipboard");
}

TEST_F(SubroutineListTest, ChoiceDuringACopyIsIgnored)
{
    open({librarydb::linesRow(1, "One", {"one", "more"}), librarydb::linesRow(2, "Two", {"two"})});
    fake.onDoEvents = [&] {
        fake.onDoEvents = nullptr;
        choose(1);
    };
    choose(0);
    EXPECT_EQ(fake.clipboard, "one\rmore\r");
    EXPECT_EQ(fake.callsTo("setClipboardText").size(), 1);
    EXPECT_EQ(window->list()->BoundText(), "1");
    choose(1);
    EXPECT_EQ(fake.clipboard, "two\r");
}
