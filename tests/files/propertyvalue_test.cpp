#include "ide/files/codepage1252.h"
#include "ide/files/propertyvalue.h"

#include <gtest/gtest.h>

using namespace vbhost;

namespace {

TEST(CodePageTest, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool lossless = false;
    EXPECT_EQ(encode1252(decode1252(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(CodePageTest, HighBytesMeanWindowsCharacters)
{
    EXPECT_EQ(decode1252("\x80\x93\x94\xe9\xfc\x96"), QStringLiteral("€“”éü–"));
    EXPECT_EQ(encode1252(QStringLiteral("€ Ÿ é")), QByteArray("\x80 \x9f \xe9"));
}

TEST(CodePageTest, CharactersOutsideTheCodePageAreFlagged)
{
    bool lossless = true;
    EXPECT_EQ(encode1252(QStringLiteral("a\u0416b"), &lossless), QByteArray("a?b"));
    EXPECT_FALSE(lossless);
    EXPECT_FALSE(isEncodable1252(QStringLiteral("\u4e2d")));
    EXPECT_TRUE(isEncodable1252(QStringLiteral("Müller €")));
}

struct ValueCase
{
    const char *text;
    PropertyValue::Kind kind;
};

class ValueKindTest : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(ValueKindTest, KindIsRecognised)
{
    EXPECT_EQ(parsePropertyValue(QString::fromUtf8(GetParam().text)).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueKindTest,
    ::testing::Values(ValueCase{"", PropertyValue::Kind::Empty},
                      ValueCase{"\"Form1\"", PropertyValue::Kind::String},
                      ValueCase{"\"\"", PropertyValue::Kind::String},
                      ValueCase{"\"a\"\"b\"", PropertyValue::Kind::String},
                      ValueCase{"\"a\"b\"", PropertyValue::Kind::Other},
                      ValueCase{"1215", PropertyValue::Kind::Number},
                      ValueCase{"-1", PropertyValue::Kind::Number},
                      ValueCase{"8.25", PropertyValue::Kind::Number},
                      ValueCase{"2.5E+02", PropertyValue::Kind::Number},
                      ValueCase{"&H00FFFFFF&", PropertyValue::Kind::Colour},
                      ValueCase{"&H8000000F&", PropertyValue::Kind::Colour},
                      ValueCase{"\"Form1.frx\":0000", PropertyValue::Kind::FrxRef},
                      ValueCase{"$\"Form1.frx\":08CA", PropertyValue::Kind::FrxRef},
                      ValueCase{"^A", PropertyValue::Kind::Other},
                      ValueCase{"{F1}", PropertyValue::Kind::Other}));

TEST(PropertyValueTest, StringsQuoteAndUnquote)
{
    EXPECT_EQ(quoteString(QStringLiteral("Say \"hi\"")), QStringLiteral("\"Say \"\"hi\"\"\""));
    EXPECT_EQ(unquoteString(QStringLiteral("\"Say \"\"hi\"\"\"")), QStringLiteral("Say \"hi\""));
    EXPECT_EQ(unquoteString(QStringLiteral("\"")), std::nullopt);
    EXPECT_EQ(unquoteString(QStringLiteral("Form1")), std::nullopt);
}

TEST(PropertyValueTest, CommentIsSplitOutsideQuotesOnly)
{
    QString value, comment;
    splitValueAndComment(QStringLiteral("   -1  'True"), &value, &comment);
    EXPECT_EQ(value, QStringLiteral("-1"));
    EXPECT_EQ(comment, QStringLiteral("True"));
    splitValueAndComment(QStringLiteral(" \"it's\" "), &value, &comment);
    EXPECT_EQ(value, QStringLiteral("\"it's\""));
    EXPECT_TRUE(comment.isEmpty());
}

TEST(PropertyValueTest, NumbersBooleansAndColours)
{
    EXPECT_EQ(parseNumber(QStringLiteral("  1440 ")), 1440.0);
    EXPECT_EQ(parseNumber(QStringLiteral("1,5")), std::nullopt);
    EXPECT_EQ(formatNumber(3195), QStringLiteral("3195"));
    EXPECT_EQ(formatNumber(-120), QStringLiteral("-120"));
    EXPECT_EQ(formatNumber(8.25), QStringLiteral("8.25"));
    EXPECT_EQ(parseBoolean(QStringLiteral("-1")), true);
    EXPECT_EQ(parseBoolean(QStringLiteral("0")), false);
    EXPECT_EQ(parseBoolean(QStringLiteral("True")), true);
    EXPECT_EQ(parseBoolean(QStringLiteral("maybe")), std::nullopt);
    EXPECT_EQ(formatBoolean(true), QStringLiteral("-1"));
    EXPECT_EQ(formatBoolean(false), QStringLiteral("0"));
    EXPECT_EQ(parseColour(QStringLiteral("&H00C0FFFF&")), 0x00C0FFFFu);
    EXPECT_EQ(parseColour(QStringLiteral("&HFF&")), 0xFFu);
    EXPECT_EQ(parseColour(QStringLiteral("&H123456789&")), std::nullopt);
    EXPECT_EQ(formatColour(0xFFFFFF), QStringLiteral("&H00FFFFFF&"));
    EXPECT_EQ(formatColour(0x8000000F), QStringLiteral("&H8000000F&"));
}

struct ShortcutCase
{
    int code;
    const char *text;
};

class ShortcutTest : public ::testing::TestWithParam<ShortcutCase>
{
};

TEST_P(ShortcutTest, CodeAndFileTextMapBothWays)
{
    EXPECT_EQ(shortcutToText(GetParam().code), QString::fromLatin1(GetParam().text));
    EXPECT_EQ(shortcutFromText(QString::fromLatin1(GetParam().text)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, ShortcutTest,
                         ::testing::Values(ShortcutCase{0, ""}, ShortcutCase{1, "^A"},
                                           ShortcutCase{15, "^O"}, ShortcutCase{26, "^Z"},
                                           ShortcutCase{27, "{F1}"}, ShortcutCase{38, "{F12}"},
                                           ShortcutCase{39, "^{F1}"}, ShortcutCase{51, "+{F1}"},
                                           ShortcutCase{64, "+^{F2}"},
                                           ShortcutCase{75, "^{INSERT}"}, ShortcutCase{77, "{DEL}"},
                                           ShortcutCase{79, "%{BKSP}"}));

TEST(ShortcutTest, UnknownCodesAndTextsAreRefused)
{
    EXPECT_EQ(shortcutToText(-1), std::nullopt);
    EXPECT_EQ(shortcutToText(80), std::nullopt);
    EXPECT_EQ(shortcutFromText(QStringLiteral("^{F13}")), std::nullopt);
    EXPECT_EQ(shortcutFromText(QStringLiteral("Ctrl+A")), std::nullopt);
    EXPECT_EQ(shortcutFromText(QStringLiteral("^a")), 1);
}

} // namespace
