#include "librarydb.h"

#include "addin/library/datacontrol.h"

#include "platform/automation/error.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using automation::Value;
using tolvar::DataControl;

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

int errorNumber(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const automation::Error &e) {
        return e.number();
    }
    return 0;
}

class DataControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("tolvar.mdb");
        librarydb::create(path, {librarydb::linesRow(3, "Third", {"a", "b"}),
                                 librarydb::linesRow(7, "Seventh", {"x"}),
                                 {9, "Ninth", {"one", librarydb::null(), "three", ""}}});
        data.setDatabaseName(path);
        data.setRecordSource("Subs");
    }

    QTemporaryDir dir;
    QString path;
    DataControl data;
};

} // namespace

TEST_F(DataControlTest, OpensWithFirstRecordCurrent)
{
    QSignalSpy repositioned(&data, &DataControl::repositioned);
    data.Refresh();
    EXPECT_TRUE(data.isOpen());
    EXPECT_EQ(repositioned.count(), 1);
    EXPECT_EQ(data.Field("ID"), Value(QString("3")));
    EXPECT_EQ(data.objectName(), "Data1");
}

TEST_F(DataControlTest, RowsPairShownTextWithBoundValueInTableOrder)
{
    data.Refresh();
    const auto rows = data.rows("Description", "ID");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], std::make_pair(QString("Third"), QString("3")));
    EXPECT_EQ(rows[2], std::make_pair(QString("Ninth"), QString("9")));
}

TEST_F(DataControlTest, FindFirstMakesTheMatchCurrent)
{
    data.Refresh();
    data.FindFirst("ID = 9");
    EXPECT_FALSE(data.NoMatch());
    EXPECT_EQ(data.Field("Description"), Value(QString("Ninth")));
    EXPECT_EQ(data.Field("1"), Value(QString("one")));
    EXPECT_TRUE(data.Field("2").isNull());
    EXPECT_EQ(data.Field("4"), Value(QString("")));
}

TEST_F(DataControlTest, FindFirstWithoutMatchKeepsCurrentRecord)
{
    data.Refresh();
    data.FindFirst("ID = 7");
    data.FindFirst("ID = 12");
    EXPECT_TRUE(data.NoMatch());
    EXPECT_EQ(data.Field("ID"), Value(QString("7")));
}

TEST_F(DataControlTest, MissingFieldRaisesItemNotFound)
{
    data.Refresh();
    EXPECT_EQ(errorNumber([&] { data.Field("21"); }), 3265);
    EXPECT_EQ(errorNumber([&] { data.FindFirst("Nope = 1"); }), 3265);
}

TEST_F(DataControlTest, TableNameMatchesInAnyCase)
{
    data.setRecordSource("subs");
    data.Refresh();
    EXPECT_TRUE(data.isOpen());
}

TEST_F(DataControlTest, NeverWritesTheDatabase)
{
    const QByteArray before = fileHash(path);
    data.Refresh();
    data.FindFirst("ID = 9");
    data.rows("Description", "ID");
    data.Refresh();
    EXPECT_EQ(fileHash(path), before);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
}

TEST_F(DataControlTest, TwoControlsOpenTheSameFile)
{
    DataControl other;
    other.setDatabaseName(path);
    other.setRecordSource("Subs");
    data.Refresh();
    other.Refresh();
    other.FindFirst("ID = 7");
    EXPECT_EQ(data.Field("ID"), Value(QString("3")));
    EXPECT_EQ(other.Field("ID"), Value(QString("7")));
}

TEST_F(DataControlTest, FindBeforeOpeningRaisesNotSet)
{
    EXPECT_EQ(errorNumber([&] { data.FindFirst("ID = 3"); }), 91);
}

TEST(DataControlOpenTest, MissingFileRaisesCouldNotFind)
{
    QTemporaryDir dir;
    DataControl data;
    data.setDatabaseName(dir.filePath("tolvar.mdb"));
    data.setRecordSource("Subs");
    try {
        data.Refresh();
        FAIL();
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 3024);
        EXPECT_TRUE(e.description().contains(dir.filePath("tolvar.mdb")));
    }
    EXPECT_FALSE(data.isOpen());
    EXPECT_FALSE(QFile::exists(dir.filePath("tolvar.mdb")));
}

TEST(DataControlOpenTest, CorruptFileRaisesUnrecognisedFormat)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("tolvar.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    DataControl data;
    data.setDatabaseName(file.fileName());
    data.setRecordSource("Subs");
    EXPECT_EQ(errorNumber([&] { data.Refresh(); }), 3343);
    EXPECT_FALSE(data.isOpen());
    EXPECT_TRUE(data.rows("Description", "ID").empty());
}

TEST(DataControlOpenTest, MissingTableRaisesCannotFindTable)
{
    QTemporaryDir dir;
    librarydb::create(dir.filePath("tolvar.mdb"), {}, 20, "Other");
    DataControl data;
    data.setDatabaseName(dir.filePath("tolvar.mdb"));
    data.setRecordSource("Subs");
    EXPECT_EQ(errorNumber([&] { data.Refresh(); }), 3078);
    EXPECT_FALSE(data.isOpen());
}

TEST(DataControlOpenTest, EmptyTableHasNoCurrentRecord)
{
    QTemporaryDir dir;
    librarydb::create(dir.filePath("tolvar.mdb"), {});
    DataControl data;
    data.setDatabaseName(dir.filePath("tolvar.mdb"));
    data.setRecordSource("Subs");
    data.Refresh();
    EXPECT_FALSE(data.hasCurrentRecord());
    EXPECT_EQ(errorNumber([&] { data.Field("1"); }), 3021);
}
