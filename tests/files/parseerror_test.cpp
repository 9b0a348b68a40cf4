#include "fixtures.h"
#include "ide/files/formfile.h"
#include "ide/files/parseerror.h"
#include "ide/files/projectfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

struct BadCase
{
    const char *file;
    int line;
    const char *says;
};

class MalformedFileTest : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(MalformedFileTest, ErrorNamesFileAndLineAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QFileInfo(GetParam().file).fileName());
    ASSERT_TRUE(QFile::copy(fixtures::path(QString::fromLatin1(GetParam().file)), name));
    const QByteArray before = fixtures::bytes(name);
    try {
        if (name.endsWith(QLatin1String(".vbp")))
            ProjectFile::load(name);
        else
            FormFile::load(name);
        FAIL() << "read without error: " << GetParam().file;
    } catch (const ParseError &e) {
        EXPECT_EQ(e.fileName(), name);
        EXPECT_EQ(e.line(), GetParam().line);
        EXPECT_TRUE(e.message().contains(QString::fromLatin1(GetParam().says)))
            << e.message().toStdString();
        EXPECT_TRUE(e.text().startsWith(name + QStringLiteral("(%1): ").arg(GetParam().line)));
    }
    EXPECT_EQ(fixtures::bytes(name), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Bad, MalformedFileTest,
    ::testing::Values(BadCase{"bad/unterminated.frm", 2, "Begin VB.Form Form1 has no matching End"},
                      BadCase{"bad/unterminatedprop.frm", 4, "BeginProperty Font has no matching"},
                      BadCase{"bad/badproperty.frm", 6, "expected a property line"},
                      BadCase{"bad/binary.frm", 4, "binary data"},
                      BadCase{"bad/beginnoname.frm", 3, "needs a class and a name"},
                      BadCase{"bad/versiononly.frm", 1, "not followed by a Begin block"},
                      BadCase{"bad/strayendproperty.frm", 4, "EndProperty without"},
                      BadCase{"bad/codeonly.frm", 1, "not a form file"},
                      BadCase{"bad/unterminatedclass.cls", 2, "BEGIN has no matching End"},
                      BadCase{"bad/modulenosemicolon.vbp", 3, "expected Module=Name; file"},
                      BadCase{"bad/binary.vbp", 3, "binary data"},
                      BadCase{"bad/emptyform.vbp", 2, "names no file"}));

TEST(ReadErrorTest, MissingFileIsAParseErrorWithoutLine)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("nothere.frm"));
    try {
        FormFile::load(name);
        FAIL();
    } catch (const ParseError &e) {
        EXPECT_EQ(e.fileName(), name);
        EXPECT_EQ(e.line(), 0);
    }
    EXPECT_FALSE(QFile::exists(name));
}

TEST(WriteErrorTest, FailedSaveLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    const QString target = dir.filePath(QStringLiteral("no/such/folder/Main.frm"));
    EXPECT_THROW(f.saveAs(target), WriteError);
    EXPECT_EQ(f.fileName(), fixtures::path(QStringLiteral("vb4form.frm")));

    // A directory standing where the file should be cannot be replaced.
    const QString blocked = dir.filePath(QStringLiteral("Blocked.frm"));
    QDir(dir.path()).mkdir(QStringLiteral("Blocked.frm"));
    EXPECT_THROW(f.saveAs(blocked), WriteError);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
}

} // namespace
