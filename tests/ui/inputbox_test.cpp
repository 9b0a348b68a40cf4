#include "accessiblenames.h"
#include "helpviewstub.h"
#include "platform/automation/error.h"
#include "platform/ui/inputboxdialog.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/twips.h"
#include "windowwatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace ui;

namespace {

class InputBoxTest : public ::testing::Test
{
protected:
    QtServices services{QStringLiteral("Tolvar")};
};

TEST_F(InputBoxTest, ShowsDefaultTextAndReturnsWhatWasTyped)
{
    QString shownDefault, prompt, title;
    whenShown<InputBoxDialog>("InputBox", [&](InputBoxDialog *box) {
        auto *text = box->findChild<QLineEdit *>("Text");
        shownDefault = text->text();
        prompt = box->findChild<QLabel *>("Prompt")->text();
        title = box->windowTitle();
        EXPECT_EQ(text->selectedText(), "Guest");
        QTest::keyClicks(text, "Ann");
        QTest::keyClick(text, Qt::Key_Return);
    });
    EXPECT_EQ(services.InputBox("Enter your name\r\nplease", "Greeting", "Guest"), "Ann");
    EXPECT_EQ(shownDefault, "Guest");
    EXPECT_EQ(prompt, "Enter your name\nplease");
    EXPECT_EQ(title, "Greeting");
}

TEST_F(InputBoxTest, OkKeepsDefaultAndTitleFallsBackToApplicationTitle)
{
    QString title;
    whenShown<InputBoxDialog>("InputBox", [&](InputBoxDialog *box) {
        title = box->windowTitle();
        QTest::mouseClick(box->findChild<QPushButton *>("OK"), Qt::LeftButton);
    });
    EXPECT_EQ(services.InputBox("Prompt", {}, "kept"), "kept");
    EXPECT_EQ(title, "Tolvar");
}

TEST_F(InputBoxTest, CancelAndEscapeReturnEmptyText)
{
    whenShown<InputBoxDialog>("InputBox", [](InputBoxDialog *box) {
        QTest::mouseClick(box->findChild<QPushButton *>("Cancel"), Qt::LeftButton);
    });
    EXPECT_EQ(services.InputBox("Prompt", "T", "default"), "");
    whenShown<InputBoxDialog>("InputBox", [](InputBoxDialog *box) {
        QTest::keyClick(box->findChild<QLineEdit *>("Text"), Qt::Key_Escape);
    });
    EXPECT_EQ(services.InputBox("Prompt", "T", "default"), "");
}

TEST_F(InputBoxTest, StandsAtTwipPositionFromScreenCorner)
{
    QPoint at;
    whenShown<InputBoxDialog>("InputBox", [&](InputBoxDialog *box) {
        at = box->frameGeometry().topLeft();
        box->reject();
    });
    services.InputBox("Prompt", "T", "", 1000, 2000);
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    EXPECT_EQ(at, screen + QPoint(twipsToPixels(1000), twipsToPixels(2000)));
}

TEST_F(InputBoxTest, PositionBeyondWholeTwipsOverflowsWithoutShowing)
{
    try {
        services.InputBox("Prompt", "T", "", 1e300, 0);
        ADD_FAILURE() << "no overflow";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(InputBoxTest, HelpButtonOpensHelpAtContext)
{
    HelpViewStub helpview;
    bool hasHelp = false;
    whenShown<InputBoxDialog>("InputBox", [&](InputBoxDialog *box) {
        auto *help = box->findChild<QPushButton *>("Help");
        hasHelp = help != nullptr;
        if (help)
            QTest::mouseClick(help, Qt::LeftButton);
        box->reject();
    });
    services.InputBox("Prompt", "T", "", {}, {}, "greet.hlp", 7);
    ASSERT_TRUE(hasHelp);
    EXPECT_EQ(helpview.arguments(), (QStringList{"greet.hlp", "--context", "7"}));
}

struct PlacementCase
{
    std::optional<double> x, y;
    QPoint expected;
};

class InputBoxPlacementTest : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(InputBoxPlacementTest, CentresAcrossAndThirdDownUnlessGiven)
{
    const PlacementCase c = GetParam();
    const QRect screen(100, 50, 1200, 900);
    EXPECT_EQ(inputBoxTopLeft(QSize(400, 150), screen, c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, InputBoxPlacementTest,
                         ::testing::Values(PlacementCase{{}, {}, QPoint(100 + 400, 50 + 300)},
                                           PlacementCase{0.0, {}, QPoint(100, 50 + 300)},
                                           PlacementCase{{}, 0.0, QPoint(100 + 400, 50)},
                                           PlacementCase{pixelsToTwips(40), pixelsToTwips(60),
                                                         QPoint(140, 110)}));

} // namespace

namespace {

class F1HelpTest : public ::testing::TestWithParam<bool>
{
};

TEST_P(F1HelpTest, F1InMessageOrInputBoxOpensHelpFileAtContext)
{
    HelpViewStub helpview;
    QtServices services(QStringLiteral("Tolvar"));
    const bool inputBox = GetParam();
    whenShown<QWidget>(inputBox ? "InputBox" : "MsgBox", [](QWidget *box) {
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
    });
    if (inputBox)
        services.InputBox("Prompt", "T", "", {}, {}, "editor.hlp", 12);
    else
        services.MsgBox("Prompt", 1, "T", "editor.hlp", 12);
    EXPECT_EQ(helpview.arguments(), (QStringList{"editor.hlp", "--context", "12"}));
}

INSTANTIATE_TEST_SUITE_P(Boxes, F1HelpTest, ::testing::Bool());

} // namespace

TEST(InputBoxNameTest, ReadsAsItsTitleAndTheTextBoxByItsPrompt)
{
    InputBoxDialog box("Your name?", "Greeting", "Guest", false);
    EXPECT_EQ(testing_a11y::misnamedText(&box), "");
    EXPECT_EQ(testing_a11y::readName(box.findChild<QLineEdit *>("Text")), "Your name?");
}
