#include "wizardfixture.h"

#include "addin/wizards/messageboxwizard.h"

namespace {

struct ComposeCase
{
    QStringList options; // clicked in this order
    QStringList texts;   // title, message, help file, context
    QString call;        // the second line
};

// The context cases: title T, message M, help file h.hlp.
ComposeCase context(const char *text, int value)
{
    return {{},
            {"T", "M", "h.hlp", text},
            QString(R"(vantixmsg = MsgBox("M",67,"T","h.hlp",%1))").arg(value)};
}

class MsgBoxWizardTest : public WizardFixture, public ::testing::Test
{
protected:
    void SetUp() override { load(new tolvar::MessageBoxWizard); }
};

class MsgBoxComposeTest : public MsgBoxWizardTest, public ::testing::WithParamInterface<ComposeCase>
{
};

TEST_P(MsgBoxComposeTest, OkPutsCodeOnClipboardConfirmsAndHides)
{
    const ComposeCase &c = GetParam();
    for (const QString &option : c.options)
        click(option);
    const QStringList t = c.texts + QStringList(4);
    fill({{"Text1", t[0]}, {"Text2", t[1]}, {"Text3", t[2]}, {"Text4", t[3]}});
    click("Command2");
    expectDelivered("Your Message Box Subroutine Is On The Clipboard!",
                    "Dim vantixmsg\r\n" + c.call);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, MsgBoxComposeTest,
    ::testing::Values(
        ComposeCase{{"Option2(1)", "Option3(1)"},
                    {"Editor", "Save changes?"},
                    R"(vantixmsg = MsgBox("Save changes?",291,"Editor"))"},
        ComposeCase{{"Option2(1)", "Option3(1)"},
                    {"Editor", "Save changes?", "editor.hlp", "12"},
                    R"(vantixmsg = MsgBox("Save changes?",291,"Editor","editor.hlp",12))"},
        ComposeCase{{}, {}, R"(vantixmsg = MsgBox("",67,""))"},
        ComposeCase{{}, {"", "m", "", "12"}, R"(vantixmsg = MsgBox("m",67,""))"},
        ComposeCase{{"Option1(5)", "Option2(3)", "Option3(2)", "Option4(1)"},
                    {"T", "M"},
                    R"(vantixmsg = MsgBox("M",4677,"T"))"},
        ComposeCase{{"Option4(1)", "Option4(0)", "Option1(0)", "Option2(0)"},
                    {},
                    R"(vantixmsg = MsgBox("",16,""))"},
        ComposeCase{
            {},
            {"Say \"x\" & go", "Line 1\nHe said \"hi\""},
            R"(vantixmsg = MsgBox("Line 1" & vbCrLf & "He said ""hi""",67,"Say ""x"" & go"))"},
        context("", 0), context("12.5", 12), context("13.5", 14), context("4 2", 42),
        context("&H10", 16), context("&O17", 15), context("help", 0), context("1.5E1x", 15),
        context("-32768", -32768), context("32767.4", 32767)));

TEST_F(MsgBoxWizardTest, TestUsesHelpOfLastOkAndChoicesSurviveHiding)
{
    click("Option1(4)");
    fill({{"Text1", "Editor"}, {"Text2", "Save?"}, {"Text3", "first.hlp"}, {"Text4", "9"}});
    click("Command1");
    click("Command2");
    wizard->show();
    EXPECT_TRUE(child<QRadioButton>("Option1(4)")->isChecked());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Editor");
    child<QLineEdit>("Text3")->setText("second.hlp");
    child<QLineEdit>("Text4")->setText("3");
    click("Command1");
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].prompt, "Save?");
    EXPECT_EQ(shown[0].buttons, 68);
    EXPECT_EQ(shown[0].title, "Editor");
    EXPECT_EQ(shown[0].helpfile, "");
    EXPECT_EQ(shown[0].context, 0);
    EXPECT_EQ(shown[2].helpfile, "first.hlp");
    EXPECT_EQ(shown[2].context, 9);
    EXPECT_TRUE(wizard->isVisible());
}

} // namespace
