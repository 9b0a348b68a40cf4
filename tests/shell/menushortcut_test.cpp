#include "ide/designer/menushortcut.h"
#include "ide/shell/propertytext.h"

#include <gtest/gtest.h>

using namespace vbhost;
using automation::Value;

struct ShortcutCase
{
    const char *code;
    const char *text;
};

class ShortcutTextTest : public ::testing::TestWithParam<ShortcutCase>
{
};

TEST_P(ShortcutTextTest, FileCodeBecomesKeySequenceText)
{
    EXPECT_EQ(shortcutText(QString::fromLatin1(GetParam().code)),
              QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ShortcutTextTest,
    ::testing::Values(ShortcutCase{"^N", "Ctrl+N"}, ShortcutCase{"{F1}", "F1"},
                      ShortcutCase{"^{F5}", "Ctrl+F5"}, ShortcutCase{"+^{F12}", "Ctrl+Shift+F12"},
                      ShortcutCase{"{INSERT}", "Ins"}, ShortcutCase{"+{DEL}", "Shift+Del"},
                      ShortcutCase{"%{BKSP}", "Alt+Backspace"}, ShortcutCase{"^z", "Ctrl+Z"},
                      ShortcutCase{"  ^A  'comment", "Ctrl+A"}, ShortcutCase{"", ""},
                      ShortcutCase{"{F99}", ""}, ShortcutCase{"^{NOPE}", ""},
                      ShortcutCase{"^", ""}));

TEST(AccessKeyTest, AmpersandsGoDoubledOnesStay)
{
    EXPECT_EQ(stripAccessKey("&File"), "File");
    EXPECT_EQ(stripAccessKey("Save && E&xit"), "Save & Exit");
    EXPECT_EQ(stripAccessKey("trailing&"), "trailing");
}

struct TypedCase
{
    const char *name;
    Value current;
    const char *typed;
    Value expected;
};

class PropertyTextTest : public ::testing::TestWithParam<TypedCase>
{
};

TEST_P(PropertyTextTest, TypedTextTakesThePropertysType)
{
    const TypedCase &c = GetParam();
    const Value v =
        propertyValueFromText(QString::fromUtf8(c.name), QString::fromUtf8(c.typed), c.current);
    EXPECT_EQ(v, c.expected) << v.debugText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Values, PropertyTextTest,
    ::testing::Values(TypedCase{"Visible", Value(true), "False", Value(false)},
                      TypedCase{"Visible", Value(false), "-1", Value(true)},
                      TypedCase{"Visible", Value(false), "true", Value(true)},
                      TypedCase{"Visible", Value(false), "maybe", Value("maybe")},
                      TypedCase{"Left", Value(qint32(1)), " 1200 ", Value(qint32(1200))},
                      TypedCase{"Left", Value(qint16(1)), "12.5", Value(12.5)},
                      TypedCase{"Left", Value(qint32(1)), "wide", Value("wide")},
                      TypedCase{"FontSize", Value(1.0), "8.25", Value(8.25)},
                      TypedCase{"Caption", Value("Form1"), " padded ", Value(" padded ")},
                      TypedCase{"BackColor", Value(qint32(0)), "&H8000000F&",
                                Value(qint32(-2147483633))},
                      TypedCase{"ForeColor", Value(qint32(0)), "&Hxyz&", Value("&Hxyz&")},
                      TypedCase{"ForeColor", Value(qint32(0)), "255", Value(qint32(255))}));

TEST(PropertyTextTest, DisplayShowsBooleansAsWordsAndColoursInHex)
{
    EXPECT_EQ(propertyDisplayText("Visible", Value(true)), "True");
    EXPECT_EQ(propertyDisplayText("Enabled", Value(false)), "False");
    EXPECT_EQ(propertyDisplayText("FontSize", Value(8.25)), "8.25");
    EXPECT_EQ(propertyDisplayText("Index", Value(qint16(-1))), "-1");
    EXPECT_EQ(propertyDisplayText("BackColor", Value(qint32(-2147483633))), "&H8000000F&");
}
