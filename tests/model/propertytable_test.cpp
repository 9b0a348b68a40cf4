#include "ide/model/propertytable.h"
#include "platform/automation/error.h"

#include <gtest/gtest.h>

using automation::Error;
using automation::Value;
using vbhost::PropertyRule;
using vbhost::PropertyTable;

namespace {

const PropertyRule &rule(const char *cls, const char *name)
{
    const PropertyRule *s =
        PropertyTable::instance().find(QString::fromLatin1(cls), QString::fromLatin1(name));
    if (!s)
        throw std::runtime_error(std::string("no property ") + cls + "." + name);
    return *s;
}

int errorOf(const PropertyRule &s, const Value &v)
{
    try {
        PropertyTable::validate(s, v);
        return 0;
    } catch (const Error &e) {
        return e.number();
    }
}

} // namespace

TEST(PropertyTableTest, NamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(rule("VB.Form", "borderstyle").name, u"BorderStyle");
    EXPECT_EQ(rule("Form", "Controlbox").name, u"ControlBox");
    EXPECT_EQ(rule("Menu", "checked").name, u"Checked");
    EXPECT_EQ(rule("timer", "INTERVAL").name, u"Interval");
    EXPECT_EQ(PropertyTable::instance().find("Timer", "Width"), nullptr);
    EXPECT_EQ(PropertyTable::instance().find("Line", "Left"), nullptr);
}

TEST(PropertyTableTest, EveryClassTheAddInsUseIsKnown)
{
    for (const char *cls : {"Form", "CommandButton", "Label", "TextBox", "Frame", "OptionButton",
                            "CheckBox", "ListBox", "ComboBox", "Timer", "PictureBox", "Image",
                            "Menu", "Shape", "Line", "HScrollBar", "VScrollBar", "FileListBox"})
        EXPECT_TRUE(PropertyTable::instance().isKnownClass(QString::fromLatin1(cls))) << cls;
}

TEST(PropertyTableTest, UnknownClassesGetTheCommonProperties)
{
    EXPECT_FALSE(PropertyTable::instance().isKnownClass("ComDlg.CommonDialog"));
    EXPECT_NE(PropertyTable::instance().find("ComDlg.CommonDialog", "Left"), nullptr);
}

struct Refusal
{
    const char *cls;
    const char *name;
    Value value;
    int error;
};

class ValidateTest : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(ValidateTest, ChecksRangeAndType)
{
    const Refusal &r = GetParam();
    EXPECT_EQ(errorOf(rule(r.cls, r.name), r.value), r.error)
        << r.cls << "." << r.name << " = " << r.value.debugText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValidateTest,
    ::testing::Values(
        Refusal{"Form", "BorderStyle", qint16(0), 0}, Refusal{"Form", "BorderStyle", qint16(5), 0},
        Refusal{"Form", "BorderStyle", qint16(6), 380},
        Refusal{"Form", "BorderStyle", qint16(-1), 380}, Refusal{"Form", "BorderStyle", "abc", 380},
        Refusal{"Form", "WindowState", qint16(2), 0},
        Refusal{"Form", "WindowState", qint16(3), 380}, Refusal{"Form", "ControlBox", false, 0},
        Refusal{"Form", "ControlBox", "maybe", 380}, Refusal{"Form", "Caption", "", 0},
        Refusal{"Form", "Caption", "two\r\nlines", 380},
        Refusal{"Form", "Caption", QString(QChar(0x4E2D)), 380},
        Refusal{"Form", "Height", qint16(3400), 0}, Refusal{"Form", "Width", -1.0, 380},
        Refusal{"Form", "Left", -200.0, 0}, Refusal{"Form", "Name", "scnsvr", 0},
        Refusal{"Form", "Name", "1abc", 380}, Refusal{"Form", "Name", "has space", 380},
        Refusal{"Form", "BackColor", qint32(0xFFFFFF), 0},
        Refusal{"Form", "BackColor", qint32(0x8000000F), 0},
        Refusal{"Form", "BackColor", qint32(0x1000000), 380},
        Refusal{"Timer", "Interval", qint16(1), 0},
        Refusal{"Timer", "Interval", qint32(70000), 380},
        Refusal{"Menu", "Shortcut", qint16(79), 0}, Refusal{"Menu", "Shortcut", qint16(80), 380},
        Refusal{"Menu", "Index", qint16(-1), 380}, Refusal{"TextBox", "PasswordChar", "**", 380},
        Refusal{"Form", "Icon", "x", 383},
        Refusal{"Form", "Caption", Value(std::shared_ptr<automation::Object>()), 380}));

TEST(PropertyTableTest, ValidatedValuesAreTyped)
{
    EXPECT_EQ(PropertyTable::validate(rule("Form", "ControlBox"), qint16(0)), Value(false));
    EXPECT_EQ(PropertyTable::validate(rule("Menu", "Checked"), "True"), Value(true));
    EXPECT_EQ(PropertyTable::validate(rule("Form", "BorderStyle"), 2.5), Value(qint32(2)));
    EXPECT_EQ(PropertyTable::validate(rule("Form", "Left"), 100.25), Value(100.25));
    EXPECT_EQ(PropertyTable::validate(rule("Form", "Caption"), qint16(12)), Value("12"));
    EXPECT_EQ(PropertyTable::validate(rule("Menu", "Shortcut"), "{F4}"), Value(qint32(30)));
}

struct ShortcutCase
{
    int code;
    const char *text;
};

class ShortcutTest : public ::testing::TestWithParam<ShortcutCase>
{
};

TEST_P(ShortcutTest, MapsCodesToFileTextAndBack)
{
    const auto &c = GetParam();
    const PropertyRule &s = rule("Menu", "Shortcut");
    EXPECT_EQ(PropertyTable::toFileText(s, Value(qint32(c.code))), QString::fromLatin1(c.text));
    EXPECT_EQ(PropertyTable::fromFileText(&s, QString::fromLatin1(c.text)), Value(qint32(c.code)));
}

INSTANTIATE_TEST_SUITE_P(Codes, ShortcutTest,
                         ::testing::Values(ShortcutCase{1, "^A"}, ShortcutCase{15, "^O"},
                                           ShortcutCase{26, "^Z"}, ShortcutCase{27, "{F1}"},
                                           ShortcutCase{30, "{F4}"}, ShortcutCase{38, "{F12}"},
                                           ShortcutCase{39, "^{F1}"}, ShortcutCase{77, "{DEL}"}));

TEST(PropertyTableTest, FileValuesAreTyped)
{
    const auto &table = PropertyTable::instance();
    EXPECT_EQ(PropertyTable::fromFileText(table.find("Label", "Enabled"), "0", "False"),
              Value(false));
    EXPECT_EQ(PropertyTable::fromFileText(table.find("Label", "Left"), "120"), Value(qint32(120)));
    EXPECT_EQ(PropertyTable::fromFileText(table.find("Label", "Left"), "100.5"), Value(100.5));
    EXPECT_EQ(PropertyTable::fromFileText(table.find("Label", "Caption"), "\"a \"\"b\"\"\""),
              Value("a \"b\""));
    EXPECT_EQ(PropertyTable::fromFileText(table.find("Form", "BackColor"), "&H8000000F&"),
              Value(qint32(0x8000000F)));
    // Without a table entry the look decides.
    EXPECT_EQ(PropertyTable::fromFileText(nullptr, "-1", "True"), Value(true));
    EXPECT_EQ(PropertyTable::fromFileText(nullptr, "-1"), Value(qint32(-1)));
}

TEST(PropertyTableTest, BooleansAreWrittenAsTheDesignerWritesThem)
{
    EXPECT_EQ(PropertyTable::toFileText(rule("Form", "ControlBox"), false), u"0   'False");
    EXPECT_EQ(PropertyTable::toFileText(rule("Menu", "Checked"), true), u"-1  'True");
}
