// Where a project's missing files may be, and how vbhost says that they are missing.
#include "ide/shell/missingnotice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

struct MovedCase
{
    const char *member;
    const char *found;
};

class MovedMemberTest : public ::testing::TestWithParam<MovedCase>
{
};

// The project file sits in top/project; the files lie around it.
TEST_P(MovedMemberTest, FoundNearTheProjectFolderOrNot)
{
    QTemporaryDir top;
    for (const char *file :
         {"WM20.BAS", "Forms/Main.frm", "Up.cls", "project/Old/Util.bas", "project/cls/Calc.CLS",
          "project/Up.cls", "project/Twice.bas", "project/Old/Twice.bas",
          "project/a/b/c/d/e/Deep.bas", "sibling/Other.bas"}) {
        const QString path = top.filePath(file);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile(path).open(QIODevice::WriteOnly);
    }
    const QStringList found = findMovedMembers(top.filePath("project"), {GetParam().member});
    EXPECT_EQ(found, QStringList{GetParam().found});
}

INSTANTIATE_TEST_SUITE_P(Members, MovedMemberTest,
                         ::testing::Values(MovedCase{"WM20.BAS", "..\\WM20.BAS"},
                                           MovedCase{"wm20.bas", "..\\WM20.BAS"},
                                           MovedCase{"Forms\\Main.frm", "..\\Forms\\Main.frm"},
                                           MovedCase{"Modules\\Util.bas", "Old\\Util.bas"},
                                           MovedCase{"C:\\dev\\Calc.cls", "cls\\Calc.CLS"},
                                           MovedCase{"Sub\\Up.cls", "Up.cls"},
                                           MovedCase{"X\\Twice.bas", "Twice.bas"},
                                           MovedCase{"Deep.bas", ""}, MovedCase{"Other.bas", ""},
                                           MovedCase{"Gone.bas", ""}));

TEST(MissingNoticeTest, OneFileOrOfOneFile)
{
    const QList<ProjectMember> one{{ProjectMember::Kind::Module, "Gone", "Gone.bas", 3}};
    EXPECT_EQ(missingFilesNotice("/nowhere", 3, one).text,
              "1 of the project's 3 files cannot be found; the project opened without it and its "
              "file keeps naming it.");
    EXPECT_TRUE(missingFilesNotice("/nowhere", 1, one).text.startsWith("The project's one file "));
}

} // namespace
