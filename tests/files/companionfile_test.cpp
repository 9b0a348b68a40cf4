#include "ide/files/companionfile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

QByteArray le(quint32 v, int size = 4)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b.left(size);
}

const QByteArray Lt("lt\0\0", 4);
const QByteArray Picture = le(13) + Lt + le(5) + "GIF89";
const QByteArray List = le(2, 2) + le(5, 2) + le(1, 2) + "a" + le(5, 2) + "bcdef";
const QByteArray After = "NEXT"; // the next record the document names
const QByteArray Opaque("\x05\x00\x01\x02", 4);

struct ExtentCase
{
    const char *what;
    QByteArray companion; // the record at offset 3, after three bytes of another
    CompanionRecordKind kind;
    qsizetype length; // 0: cannot be taken
};

class CompanionExtentTest : public ::testing::TestWithParam<ExtentCase>
{
};

TEST_P(CompanionExtentTest, RecordEndsWhereItsLayoutOrTheNextRecordSays)
{
    const ExtentCase &c = GetParam();
    const QByteArray bytes = "..." + c.companion;
    const qsizetype next = c.companion.endsWith(After) ? bytes.size() - After.size() : bytes.size();
    const CompanionRecordExtent e = companionRecordExtent(bytes, "F.frx", 3, c.kind, next);
    EXPECT_EQ(e.length, c.length) << c.what;
    EXPECT_EQ(e.problem.isEmpty(), c.length > 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CompanionExtentTest,
    ::testing::Values(
        ExtentCase{"picture", Picture + After, CompanionRecordKind::Picture, 17},
        ExtentCase{"picture with a class id",
                   le(29) + QByteArray(16, 'c') + Lt + le(5) + "GIF89" + After,
                   CompanionRecordKind::Picture, 33},
        ExtentCase{"picture with its size alone", le(5) + "GIF89" + After,
                   CompanionRecordKind::Picture, 9},
        ExtentCase{"picture of an unknown property", Picture + After, CompanionRecordKind::Other,
                   17},
        ExtentCase{"list", List + After, CompanionRecordKind::List, 14},
        ExtentCase{"long text", le(3) + "abc" + After, CompanionRecordKind::LongText, 7},
        ExtentCase{"other, up to the next record", Opaque + After, CompanionRecordKind::Other, 4},
        ExtentCase{"other, the last record", Opaque, CompanionRecordKind::Other, 4},
        ExtentCase{"picture cut short", Picture.left(10), CompanionRecordKind::Picture, 0},
        ExtentCase{"list cut short", List.left(12), CompanionRecordKind::List, 0},
        ExtentCase{"long text cut short", le(30) + "abc", CompanionRecordKind::LongText, 0},
        ExtentCase{"nothing at the offset", "", CompanionRecordKind::Other, 0}));

TEST(CompanionReferenceTest, ReferencesAreFoundInBlocksAndWrittenInTheFilesStyle)
{
    const QStringList lines{
        "VERSION 5.00",
        "Begin VB.Form Form1 ",
        "   Icon            =   \"Form1.frx\":0000",
        "   Begin ComctlLib.ImageList ImageList1 ",
        "      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} ",
        "         BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} ",
        "            Picture         =   \"Form1.frx\":0a2c",
        "         EndProperty",
        "      EndProperty",
        "   End",
        "   Begin VB.Label Label1 ",
        "      Caption         =   $\"Form1.frx\":10A2C  'long",
        "      Tag             =   \"Form1.frx\"",
        "   End",
        "End",
        "Attribute VB_Name = \"Form1\"",
        "x = \"Form1.frx\":0000"};
    const QList<CompanionReference> refs = companionReferences(lines, true);
    ASSERT_EQ(refs.size(), 3);
    EXPECT_EQ(refs[1].control, "ImageList1");
    EXPECT_EQ(refs[1].property, "Picture");
    EXPECT_EQ(refs[1].offset, 0xA2Cu);
    EXPECT_EQ(lines[refs[2].line].mid(refs[2].at, refs[2].length), "$\"Form1.frx\":10A2C");
    EXPECT_TRUE(refs[2].dollar);

    struct Style
    {
        quint32 offset;
        const char *like;
        const char *written;
    };
    for (const Style &s :
         {Style{0x2800, "0000", "2800"}, Style{0x12, "", "0012"}, Style{0x10A2C, "0800", "10A2C"},
          Style{0xA2C, "0a2c", "0a2c"}, Style{0x12, "00000", "00012"}, Style{0x12, "4", "12"}})
        EXPECT_EQ(companionReferenceText("Main.frx", s.offset, false, s.like),
                  QStringLiteral("\"Main.frx\":") + s.written);
    EXPECT_EQ(
        renameCompanionReferences(lines.join('\n'), "FORM1.FRX", "Main.frx").count("Main.frx"), 3);
}

} // namespace
