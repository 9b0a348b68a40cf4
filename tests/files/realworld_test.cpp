#include "fixtures.h"
#include "ide/files/codepage.h"
#include "ide/files/formfile.h"
#include "ide/files/projectfile.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

TEST(RealWorldProjectTest, MissingMemberIsListedWithItsLineAndNothingElse)
{
    const ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("missing/Shop.vbp")));
    const QList<ProjectMember> missing = p.missingMembers();
    ASSERT_EQ(missing.size(), 1);
    EXPECT_EQ(missing[0].name, u"Gone");
    EXPECT_EQ(missing[0].line, 3);
    // LIB\HELPERS.BAS is lib/Helpers.bas on disk.
    EXPECT_TRUE(QFileInfo(p.memberFilePath(QStringLiteral("LIB\\HELPERS.BAS"))).isFile());
    EXPECT_EQ(p.detectCodePage().number(), 1252);
}

TEST(RealWorldProjectTest, ControlCharactersAndUnknownPropertiesAreKept)
{
    const QString name = fixtures::path(QStringLiteral("missing/frmMain.frm"));
    const FormFile f = FormFile::load(name);
    EXPECT_EQ(f.toBytes(), fixtures::bytes(name));
    const ControlNode *inet = f.findControl(QStringLiteral("Inet1"));
    ASSERT_TRUE(inet);
    EXPECT_EQ(inet->propertyText(QStringLiteral("ExtraData[]")), u"\"AAAB\"");
    EXPECT_TRUE(f.code().contains(QStringLiteral(":\x01"
                                                 "ACTION buys\x01 \x1b[0m")));
}

TEST(RealWorldProjectTest, GbkProjectIsFoundUnderItsCodePageAndRoundTrips)
{
    const QString vbp = fixtures::path(QStringLiteral("gbk/Gbk.vbp"));
    ProjectFile p = ProjectFile::load(vbp);
    EXPECT_EQ(p.missingMembers().size(), 1); // read as 1252 the module path is wrong
    const CodePage gbk = p.detectCodePage();
    EXPECT_EQ(gbk.number(), 936);
    p.setCodePage(gbk);
    EXPECT_TRUE(p.missingMembers().isEmpty());
    EXPECT_EQ(p.members()[1].path, QStringLiteral("BAS模块\\VBDX9BAS.bas"));
    EXPECT_EQ(p.toBytes(), fixtures::bytes(vbp));

    const QString frm = fixtures::path(QStringLiteral("gbk/Main.frm"));
    FormFile f = FormFile::load(frm, gbk);
    EXPECT_EQ(f.root()->propertyText(QStringLiteral("Caption")), QStringLiteral("\"主窗口\""));
    EXPECT_TRUE(f.code().contains(QStringLiteral("初始化")));
    EXPECT_EQ(f.toBytes(), fixtures::bytes(frm));
    f.findControl(QStringLiteral("lblTitle"))
        ->setProperty(QStringLiteral("Caption"), QStringLiteral("\"新标题\""));
    EXPECT_TRUE(f.toBytes().contains("\"\xD0\xC2\xB1\xEA\xCC\xE2\""));
}

class CodePageTest : public ::testing::TestWithParam<int>
{
};

TEST_P(CodePageTest, TextOfTheCodePageRoundTripsAndOtherTextIsFlagged)
{
    const CodePage cp = *CodePage::fromNumber(GetParam());
    QByteArray bytes;
    for (int b = 0x20; b < 0x7F; ++b)
        bytes.append(char(b));
    bytes += "\xB0\xE0\xE0\xB0"; // letters, or pairs of lead and trail bytes
    const QString text = cp.decode(bytes);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(cp.encode(text), bytes);
    bool lossless = true;
    EXPECT_EQ(cp.encode(QStringLiteral("a\U0001F600b"), &lossless), QByteArray("a?b"));
    EXPECT_FALSE(lossless);
}

INSTANTIATE_TEST_SUITE_P(Windows, CodePageTest, ::testing::ValuesIn(CodePage::numbers()));

TEST(CodePageTest, OnlyWindowsAnsiCodePagesAreOffered)
{
    EXPECT_EQ(CodePage().number(), 1252);
    EXPECT_FALSE(CodePage::fromNumber(65001));
    EXPECT_FALSE(CodePage::fromNumber(437));
    // A lead byte without its trail byte decodes to one replacement character.
    EXPECT_EQ(CodePage::fromNumber(936)->decode("a\x81"), QStringLiteral("a\uFFFD"));
}

} // namespace
