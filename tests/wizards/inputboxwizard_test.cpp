#include "wizardfixture.h"

#include "addin/wizards/inputboxwizard.h"

namespace {

// Title, default answer, message, X, Y, help file, context: the boxes in tab order.
struct Boxes
{
    QString title{}, defaultText{}, message{}, x{}, y{}, helpFile{}, context{};
};

class InputBoxWizardTest : public WizardFixture, public ::testing::Test
{
protected:
    void SetUp() override { load(new tolvar::InputBoxWizard); }
    void fillBoxes(const Boxes &b)
    {
        fill({{"Text1", b.title},
              {"Text5", b.defaultText},
              {"Text2", b.message},
              {"Text6", b.x},
              {"Text7", b.y},
              {"Text3", b.helpFile},
              {"Text4", b.context}});
    }
};

struct ComposeCase
{
    Boxes boxes;
    QString call; // the second line
};

class InputBoxComposeTest : public InputBoxWizardTest,
                            public ::testing::WithParamInterface<ComposeCase>
{
};

TEST_P(InputBoxComposeTest, OkPutsCodeOnClipboardConfirmsAndHides)
{
    fillBoxes(GetParam().boxes);
    click("Command2");
    expectDelivered("Your Inputbox Subroutine Is On The Clipboard!",
                    "Dim xinput\r\n" + GetParam().call);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, InputBoxComposeTest,
    ::testing::Values(
        ComposeCase{{"Greeting", "Guest", "Enter your name", "1000", "2000", "", ""},
                    R"(xinput = inputbox("Enter your name","Greeting","Guest",1000,2000))"},
        ComposeCase{
            {"Greeting", "Guest", "Enter your name", "1000", "2000", "greet.hlp", "7"},
            R"(xinput = inputbox("Enter your name","Greeting","Guest",1000,2000,"greet.hlp",7))"},
        ComposeCase{{}, R"(xinput = inputbox("","","",0,0))"},
        ComposeCase{{"", "", "", "12.5", "100"}, R"(xinput = inputbox("","","",12.5,100))"},
        ComposeCase{{"", "", "", "left", "&H10"}, R"(xinput = inputbox("","","",0,16))"},
        ComposeCase{{"", "", "", "", "", "h.hlp"}, R"(xinput = inputbox("","","",0,0,"h.hlp",))"},
        ComposeCase{{"", "", "", "", "", "h.hlp", "12abc"},
                    R"(xinput = inputbox("","","",0,0,"h.hlp",12abc))"},
        ComposeCase{{"", "", "", "", "", "", "12"}, R"(xinput = inputbox("","","",0,0))"},
        ComposeCase{{"A \"b\"", "\"", "one\ntwo"},
                    R"(xinput = inputbox("one" & vbCrLf & "two","A ""b""","""",0,0))"}));

struct TryCase
{
    Boxes boxes;
    double x, y;
    int context;
};

class InputBoxTryTest : public InputBoxWizardTest, public ::testing::WithParamInterface<TryCase>
{
};

TEST_P(InputBoxTryTest, TestPassesAllSevenArgumentsAndKeepsDialog)
{
    const TryCase &c = GetParam();
    fillBoxes(c.boxes);
    fake.inputBoxTexts << "ignored";
    click("Command1");
    const auto calls = fake.callsTo("InputBox");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].args, (QVariantList{c.boxes.message, c.boxes.title, c.boxes.defaultText, c.x,
                                           c.y, c.boxes.helpFile, c.context}));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(wizard->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, InputBoxTryTest,
    ::testing::Values(TryCase{{}, 0, 0, 0},
                      TryCase{{"Greeting", "Guest", "Name", "1000", "2 000", "greet.hlp", "12abc"},
                              1000,
                              2000,
                              12},
                      TryCase{{"", "", "", "12.5", "x", "", "7"}, 12.5, 0, 7}));

TEST_F(InputBoxWizardTest, CursorStartsInTitleAndTabFollowsTheBoxesThenButtons)
{
    QWidget *w = wizard->focusWidget();
    ASSERT_EQ(w, child("Text1"));
    QStringList order;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != child("Text1"));
    EXPECT_EQ(order, (QStringList{"Text1", "Text5", "Text2", "Text6", "Text7", "Text3", "Text4",
                                  "Command1", "Command2", "Command3", "Command4"}));
}

} // namespace
