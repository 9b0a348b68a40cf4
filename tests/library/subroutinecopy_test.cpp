#include "librarydb.h"

#include "addin/library/datacontrol.h"
#include "addin/library/subroutinecopy.h"

#include "fakeservices.h"
#include "platform/automation/error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using tolvar::DataControl;
using tolvar::SubroutineCopy;

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    return lines;
}

class SubroutineCopyTest : public ::testing::Test
{
protected:
    void SetUp() override { services.clipboard = QStringLiteral("old clipboard"); }

    void open(const QList<librarydb::Row> &rows, int fieldCount = 20)
    {
        librarydb::create(dir.filePath("tolvar.mdb"), rows, fieldCount);
        data.setDatabaseName(dir.filePath("tolvar.mdb"));
        data.setRecordSource("Subs");
        data.Refresh();
    }

    bool copy(const QString &id)
    {
        return copier.CopySubroutine(data, id, services, [&](const QString &text) {
            status = text;
            ++statusSets;
        });
    }

    int copyError(const QString &id)
    {
        try {
            copy(id);
        } catch (const automation::Error &e) {
            return e.number();
        }
        return 0;
    }

    QTemporaryDir dir;
    DataControl data;
    SubroutineCopy copier;
    ui::FakeServices services;
    QString status = QStringLiteral("earlier status");
    int statusSets = 0;
};

} // namespace

TEST_F(SubroutineCopyTest, EmptyFirstFieldCopiesEmptyTextAndKeepsStatus)
{
    open({librarydb::linesRow(1, "Empty", {})});
    EXPECT_TRUE(copy("1"));
    EXPECT_EQ(services.clipboard, "");
    EXPECT_EQ(services.callsTo("setClipboardText").size(), 1);
    EXPECT_EQ(status, "earlier status");
    EXPECT_EQ(services.doEventsCount, 1);
}

TEST_F(SubroutineCopyTest, AllTwentyFieldsGiveTwentyLines)
{
    open({librarydb::linesRow(5, "Full", numberedLines(20))});
    copy("5");
    EXPECT_EQ(services.clipboard, numberedLines(20).join('\r') + '\r');
    EXPECT_EQ(services.doEventsCount, 20);
    EXPECT_EQ(copier.FieldNumber, 21);
    EXPECT_EQ(copier.FieldName, "20");
}

TEST_F(SubroutineCopyTest, ThreeLinesThenEmptyStopsAfterThree)
{
    open({librarydb::linesRow(2, "Three", {"Sub A()", "    Beep", "End Sub"})});
    copy("2");
    EXPECT_EQ(services.clipboard, "Sub A()\r    Beep\rEnd Sub\r");
    EXPECT_EQ(copier.CodeText, services.clipboard);
    EXPECT_EQ(copier.FieldNumber, 4);
    EXPECT_EQ(copier.FieldName, "4");
    EXPECT_EQ(services.doEventsCount, 4);
}

TEST_F(SubroutineCopyTest, NullFieldInTheMiddleGivesAnEmptyLine)
{
    open({{4, "Gap", {"first", librarydb::null(), "third", ""}}});
    copy("4");
    EXPECT_EQ(services.clipboard, "first\r\rthird\r");
}

TEST_F(SubroutineCopyTest, CriteriaHasOneBlankEachSideAndNoQuotes)
{
    open({librarydb::linesRow(12, "Twelve", {"x"})});
    copy("12");
    EXPECT_EQ(copier.SearchCriteria, "ID = 12");
}

TEST_F(SubroutineCopyTest, StatusConfirmsEveryCopyOfAtLeastOneLine)
{
    open({librarydb::linesRow(1, "One", {"a"}), librarydb::linesRow(2, "Two", {"a", "b"})});
    copy("1");
    EXPECT_EQ(status, "Subroutine Copied");
    status.clear();
    copy("2");
    EXPECT_EQ(status, "Subroutine Copied");
}

TEST_F(SubroutineCopyTest, CopiesTheChosenRecordNotTheCurrentOne)
{
    open({librarydb::linesRow(1, "One", {"one"}), librarydb::linesRow(2, "Two", {"two"})});
    copy("2");
    copy("1");
    EXPECT_EQ(services.clipboard, "one\r");
}

TEST_F(SubroutineCopyTest, VanishedRecordIsReportedAndClipboardKept)
{
    open({librarydb::linesRow(1, "One", {"one"})});
    EXPECT_EQ(copyError("8"), 3021);
    EXPECT_EQ(services.clipboard, "old clipboard");
    EXPECT_TRUE(services.callsTo("setClipboardText").isEmpty());
    EXPECT_EQ(status, "earlier status");
}

TEST_F(SubroutineCopyTest, MissingLineFieldIsReportedAndClipboardKept)
{
    open({librarydb::linesRow(1, "Long", {"a", "b", "c"}, 3)}, 3);
    EXPECT_EQ(copyError("1"), 3265);
    EXPECT_EQ(services.clipboard, "old clipboard");
    EXPECT_EQ(copier.FieldName, "4");
    EXPECT_FALSE(copier.isCopying());
}

TEST_F(SubroutineCopyTest, SecondChoiceDuringCopyIsIgnored)
{
    open({librarydb::linesRow(1, "One", {"one", "1b"}), librarydb::linesRow(2, "Two", {"two"})});
    bool secondResult = true;
    services.onDoEvents = [&] {
        services.onDoEvents = nullptr;
        secondResult = copy("2");
    };
    EXPECT_TRUE(copy("1"));
    EXPECT_FALSE(secondResult);
    EXPECT_EQ(services.clipboard, "one\r1b\r");
    EXPECT_EQ(services.callsTo("setClipboardText").size(), 1);
    EXPECT_EQ(copier.SearchCriteria, "ID = 1");
    // Once the copy is over, the next choice runs.
    EXPECT_TRUE(copy("2"));
    EXPECT_EQ(services.clipboard, "two\r");
}

TEST_F(SubroutineCopyTest, EmptyBoundValueIsASyntaxError)
{
    open({librarydb::linesRow(1, "One", {"one"})});
    EXPECT_EQ(copyError(""), 3077);
    EXPECT_EQ(services.clipboard, "old clipboard");
}
