#include "ide/designer/controllook.h"
#include "ide/designer/fontmapping.h"
#include "ide/designer/frxfile.h"
#include "ide/designer/systemcolours.h"
#include "ide/files/formfile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

struct ColourCase
{
    quint32 file;
    quint32 rgb;
};

class ColourTest : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(ColourTest, FileColourResolves)
{
    EXPECT_EQ(oleColourToArgb(GetParam().file), 0xFF000000u | GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(
    Scheme, ColourTest,
    ::testing::Values(ColourCase{0x8000000F, 0xC0C0C0}, ColourCase{0x80000005, 0xFFFFFF},
                      ColourCase{0x80000008, 0x000000}, ColourCase{0x80000012, 0x000000},
                      ColourCase{0x80000002, 0x000080}, ColourCase{0x80000018, 0xFFFFE1},
                      ColourCase{0x80000019, 0x000000}, ColourCase{0x000000FF, 0xFF0000},
                      ColourCase{0x00C08040, 0x4080C0}));

struct FontCase
{
    const char *name;
    double size;
    int charset;
    const char *family;
    int pixelSize;
    int cellHeight;
};

class FontMapTest : public ::testing::TestWithParam<FontCase>
{
};

TEST_P(FontMapTest, WindowsFaceMapsToInstalledFace)
{
    const FontCase &c = GetParam();
    FileFont font;
    font.name = QString::fromUtf8(c.name);
    font.size = c.size;
    font.charset = c.charset;
    const MappedFont m = mapFont(font, 15);
    EXPECT_EQ(m.family, QString::fromLatin1(c.family));
    EXPECT_EQ(m.pixelSize, c.pixelSize);
    EXPECT_EQ(m.cellHeight, c.cellHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FontMapTest,
    ::testing::Values(FontCase{"Arial", 12, 0, "Liberation Sans", 16, 0},
                      FontCase{"times new roman", 13.5, 0, "Liberation Serif", 18, 0},
                      FontCase{"Courier New", 9.75, 0, "Liberation Mono", 13, 0},
                      FontCase{"MS Sans Serif", 8.25, 0, "Liberation Sans", 11, 13},
                      FontCase{"MS Sans Serif", 9.75, 0, "Liberation Sans", 13, 16},
                      FontCase{"MS Sans Serif", 6, 0, "Liberation Sans", 8, 13},
                      FontCase{"System", 9.75, 0, "Liberation Sans", 13, 16},
                      FontCase{"MS Gothic", 9, 128, "WenQuanYi Micro Hei", 12, 0},
                      FontCase{"\xE5\xAE\x8B\xE4\xBD\x93", 9, 134, "WenQuanYi Micro Hei", 12, 0},
                      FontCase{"Some Face", 9, 136, "WenQuanYi Micro Hei", 12, 0},
                      FontCase{"Tahoma", 9, 0, "Tahoma", 12, 0}));

TEST(ControlLookTest, FontsAndColoursFromTheFileOverClassDefaults)
{
    const QByteArray frm = "VERSION 4.00\r\n"
                           "Begin VB.Form F\r\n"
                           "   BackColor = &H00000000&\r\n"
                           "   BeginProperty Font\r\n"
                           "      name = \"Arial\"\r\n"
                           "      size = 12\r\n"
                           "      weight = 400\r\n"
                           "   EndProperty\r\n"
                           "   Begin VB.Label Plain\r\n"
                           "   End\r\n"
                           "   Begin VB.TextBox Vb4\r\n"
                           "      FontBold = -1  'True\r\n"
                           "      FontName = \"Courier New\"\r\n"
                           "      ForeColor = &H8000000D&\r\n"
                           "   End\r\n"
                           "End\r\n";
    const FormFile file = FormFile::fromBytes(frm, QStringLiteral("F.frm"));
    const ControlLook form = formLook(*file.root(), file.version());
    const ControlLook plain = controlLook(*file.controls()[0], form);
    const ControlLook vb4 = controlLook(*file.controls()[1], form);
    EXPECT_EQ(form.backColour, 0xFF000000u);
    EXPECT_EQ(plain.font, form.font);
    EXPECT_EQ(plain.backColour, 0xFFC0C0C0u); // a label's default: button face
    EXPECT_EQ(vb4.backColour, 0xFFFFFFFFu);   // a text box's: window background
    EXPECT_EQ(vb4.foreColour, 0xFF000080u);
    EXPECT_EQ(vb4.font.name, "Courier New");
    EXPECT_EQ(vb4.font.size, 12);
    EXPECT_EQ(vb4.font.weight, 700);
    // Without any font, version 4 files drew bold and later ones did not.
    EXPECT_EQ(defaultFont("4.00").weight, 700);
    EXPECT_EQ(defaultFont("5.00").weight, 400);
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

const QByteArray Gif = "GIF89a-rest-of-it";

struct RecordCase
{
    const char *what;
    QByteArray frx;
    quint32 offset;
    PictureKind kind;
    bool readable;
};

class FrxRecordTest : public ::testing::TestWithParam<RecordCase>
{
};

TEST_P(FrxRecordTest, RecordGivesPictureOrProblem)
{
    const RecordCase &c = GetParam();
    const FrxPicture pic = FrxFile::fromBytes(c.frx, QStringLiteral("F.frx")).pictureAt(c.offset);
    EXPECT_EQ(pic.kind, c.kind) << c.what;
    EXPECT_EQ(pic.problem.isEmpty(), c.readable) << c.what << pic.problem.toStdString();
    // A bare DIB gets the file header Qt's reader wants.
    if (c.kind == PictureKind::Gif || c.kind == PictureKind::Bitmap) {
        EXPECT_TRUE(pic.bytes.startsWith(c.kind == PictureKind::Gif ? "GIF" : "BM")) << c.what;
    }
}

const QByteArray Lt("lt\0\0", 4);
const QByteArray BareDib =
    le32(40) + QByteArray(10, '\0') + QByteArray("\x18\0", 2) + QByteArray(24, '\0');

INSTANTIATE_TEST_SUITE_P(
    Layouts, FrxRecordTest,
    ::testing::Values(
        RecordCase{"12-byte header", le32(Gif.size() + 8) + Lt + le32(Gif.size()) + Gif, 0,
                   PictureKind::Gif, true},
        RecordCase{"after another record",
                   QByteArray(6, 'x') + le32(Gif.size() + 8) + Lt + le32(Gif.size()) + Gif, 6,
                   PictureKind::Gif, true},
        RecordCase{"class id header",
                   le32(Gif.size() + 24) + QByteArray(16, '\x11') + Lt + le32(Gif.size()) + Gif, 0,
                   PictureKind::Gif, true},
        RecordCase{"size only", le32(Gif.size()) + Gif, 0, PictureKind::Gif, true},
        RecordCase{"cleared picture", le32(8) + Lt + le32(0), 0, PictureKind::None, true},
        RecordCase{"bare DIB", le32(BareDib.size() + 8) + Lt + le32(BareDib.size()) + BareDib, 0,
                   PictureKind::Bitmap, true},
        RecordCase{"metafile", le32(48) + Lt + le32(40) + le32(0x9AC6CDD7u) + QByteArray(36, 0), 0,
                   PictureKind::Metafile, true},
        RecordCase{"cut short", le32(Gif.size() + 8) + Lt + le32(Gif.size()) + Gif.left(4), 0,
                   PictureKind::None, false},
        RecordCase{"offset past the end", le32(8) + Lt + le32(0), 0x400, PictureKind::None, false},
        RecordCase{"not a picture", le32(12) + Lt + le32(4) + "text", 0, PictureKind::Unknown,
                   false}));

} // namespace
