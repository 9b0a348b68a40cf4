#include "addin/library/datacontrol.h"
#include "addin/library/subroutinesource.h"

#include <QDir>
#include <gtest/gtest.h>

using tolvar::parseSubroutineSource;
using tolvar::SubroutineSourceError;

TEST(SubroutineSourceTest, ReadsHeadersAndBodies)
{
    const auto entries = parseSubroutineSource("# a comment\n"
                                               "\n"
                                               "@@ 4 Beep twice\n"
                                               "Sub Twice()\n"
                                               "    Beep\n"
                                               "\n"
                                               "    Beep\n"
                                               "End Sub\n"
                                               "\n"
                                               "@@ 9   Say hello  \n"
                                               "# kept: inside a body\n");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].id, 4);
    EXPECT_EQ(entries[0].description, "Beep twice");
    EXPECT_EQ(entries[0].lines.size(), 5);
    EXPECT_EQ(entries[0].lines[1], "    Beep");
    EXPECT_TRUE(entries[0].lines[2].isNull());
    EXPECT_EQ(entries[1].description, "Say hello");
    EXPECT_EQ(entries[1].lines, QStringList{"# kept: inside a body"});
}

TEST(SubroutineSourceTest, AcceptsWindowsLineEnds)
{
    const auto entries = parseSubroutineSource("@@ 1 X\r\nSub X()\r\nEnd Sub\r\n");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].lines, (QStringList{"Sub X()", "End Sub"}));
}

class SubroutineSourceRejects : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SubroutineSourceRejects, WithLineNumber)
{
    EXPECT_THROW(parseSubroutineSource(QString::fromUtf8(GetParam())), SubroutineSourceError);
}

INSTANTIATE_TEST_SUITE_P(
    SubroutineSourceTest, SubroutineSourceRejects,
    ::testing::Values("stray text\n@@ 1 X\nSub X()\n", "@@ 1\nSub X()\n", "@@ X Name\nSub X()\n",
                      "@@ 1 X\nSub X()\n@@ 1 Y\nSub Y()\n", "@@ 0 X\nSub X()\n", "@@ 1 X\n\n\n",
                      "@@ 1 X\na\rb\n",
                      "@@ 1 X\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n"
                      "20\n21\n"));

// The library shipped with the add-in: enough entries, each a whole routine that fits.
TEST(SubroutineLibraryTest, ShippedLibraryHoldsWholeRoutines)
{
    const QString folder = qEnvironmentVariable("TOLVAR_ADDIN_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TOLVAR_ADDIN_DIR not set";
    tolvar::DataControl data;
    data.setDatabaseName(QDir(folder).filePath("tolvar.mdb"));
    data.setRecordSource("Subs");
    data.Refresh();
    const auto rows = data.rows("Description", "ID");
    EXPECT_GE(rows.size(), 30u);
    for (const auto &[description, id] : rows) {
        SCOPED_TRACE(id.toStdString());
        EXPECT_FALSE(description.trimmed().isEmpty());
        data.FindFirst("ID = " + id);
        const QString first = data.Field("1").toString();
        EXPECT_TRUE(first.startsWith("Public Sub ") || first.startsWith("Public Function "));
        QString last;
        for (int n = 1; n <= 20; ++n) {
            const automation::Value line = data.Field(QString::number(n));
            if (!line.isNull() && line.toString().isEmpty())
                break;
            last = line.isNull() ? QString() : line.toString();
        }
        EXPECT_TRUE(last == "End Sub" || last == "End Function") << last.toStdString();
    }
}
