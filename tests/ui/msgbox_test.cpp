#include "accessiblenames.h"
#include "platform/ui/qtservices.h"
#include "windowwatch.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using namespace ui;

namespace {

enum class Action { Enter, Escape, Click };

struct BoxCase
{
    int buttons;
    QStringList texts; // left to right
    const char *defaultText;
    QMessageBox::Icon icon;
    Action action;
    int clickIndex; // for Action::Click
    int expected;
    bool escapeIgnored = false; // Escape leaves the box open; the case then clicks clickIndex
};

QList<QPushButton *> buttonsLeftToRight(QMessageBox *box)
{
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    buttons.removeIf([](QPushButton *b) { return !b->isVisible(); });
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    return buttons;
}

class MsgBoxTest : public ::testing::TestWithParam<BoxCase>
{
protected:
    QtServices services{QStringLiteral("Tolvar")};
};

TEST_P(MsgBoxTest, ShowsStyleAndReturnsButtonPressed)
{
    const BoxCase c = GetParam();
    QStringList texts;
    QString defaultText, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stayedOpenOnEscape = false;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        const auto buttons = buttonsLeftToRight(box);
        for (QPushButton *b : buttons) {
            texts << b->text();
            EXPECT_EQ(b->objectName(), b->text());
            EXPECT_EQ(b->accessibleName(), b->text());
        }
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        icon = box->icon();
        title = box->windowTitle();
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), (c.buttons & 4096) != 0);
        switch (c.action) {
        case Action::Enter:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Action::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            if (c.escapeIgnored) {
                stayedOpenOnEscape = box->isVisible();
                QTest::mouseClick(buttons.value(c.clickIndex), Qt::LeftButton);
            }
            break;
        case Action::Click:
            QTest::mouseClick(buttons.value(c.clickIndex), Qt::LeftButton);
            break;
        }
    });
    const int result = services.MsgBox(QStringLiteral("Save changes?"), c.buttons);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(defaultText, QString::fromLatin1(c.defaultText));
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(title, "Tolvar");
    EXPECT_EQ(stayedOpenOnEscape, c.escapeIgnored);
}

const QStringList okOnly{"OK"}, okCancel{"OK", "Cancel"}, ari{"Abort", "Retry", "Ignore"},
    ync{"Yes", "No", "Cancel"}, yn{"Yes", "No"}, rc{"Retry", "Cancel"};

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxTest,
    ::testing::Values(
        BoxCase{0, okOnly, "OK", QMessageBox::NoIcon, Action::Enter, 0, 1},
        BoxCase{0, okOnly, "OK", QMessageBox::NoIcon, Action::Escape, 0, 1},
        BoxCase{64, okOnly, "OK", QMessageBox::Information, Action::Click, 0, 1},
        BoxCase{1 + 32, okCancel, "OK", QMessageBox::Question, Action::Escape, 0, 2},
        BoxCase{1 + 256, okCancel, "Cancel", QMessageBox::NoIcon, Action::Enter, 0, 2},
        BoxCase{1 + 48, okCancel, "OK", QMessageBox::Warning, Action::Click, 0, 1},
        BoxCase{2 + 16 + 256, ari, "Retry", QMessageBox::Critical, Action::Enter, 0, 4},
        BoxCase{2 + 16, ari, "Abort", QMessageBox::Critical, Action::Escape, 2, 5, true},
        BoxCase{2 + 512, ari, "Ignore", QMessageBox::NoIcon, Action::Click, 0, 3},
        BoxCase{3 + 32 + 256, ync, "No", QMessageBox::Question, Action::Enter, 0, 7},
        BoxCase{3 + 32 + 256, ync, "No", QMessageBox::Question, Action::Escape, 0, 2},
        BoxCase{3 + 512, ync, "Cancel", QMessageBox::NoIcon, Action::Click, 0, 6},
        BoxCase{4 + 48 + 512, yn, "Yes", QMessageBox::Warning, Action::Click, 1, 7},
        BoxCase{4, yn, "Yes", QMessageBox::NoIcon, Action::Escape, 0, 6, true},
        BoxCase{5 + 64 + 4096, rc, "Retry", QMessageBox::Information, Action::Escape, 0, 2},
        BoxCase{5 + 256 + 4096, rc, "Cancel", QMessageBox::NoIcon, Action::Click, 0, 4},
        BoxCase{7, okOnly, "OK", QMessageBox::NoIcon, Action::Enter, 0, 1}));

TEST(MsgBoxTextTest, PromptIsPlainTextWithLineBreaksAndTitleIsKept)
{
    QtServices services(QStringLiteral("Tolvar"));
    QString text, title;
    Qt::TextFormat format = Qt::AutoText;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        text = box->text();
        title = box->windowTitle();
        format = box->textFormat();
        EXPECT_EQ(testing_a11y::readName(box), title); // what a screen reader reads
        QTest::keyClick(box, Qt::Key_Return);
    });
    services.MsgBox(QStringLiteral("<b>Line 1</b>\r\n\r\nLine 3"), 0, QStringLiteral("Editor"));
    EXPECT_EQ(text, "<b>Line 1</b>\n\nLine 3");
    EXPECT_EQ(title, "Editor");
    EXPECT_EQ(format, Qt::PlainText);
}

TEST(MsgBoxTextTest, EmptyTitleFallsBackToApplicationName)
{
    QtServices services;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Display Title"));
    QString title;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    services.MsgBox(QStringLiteral("x"));
    EXPECT_EQ(title, "Display Title");
    QGuiApplication::setApplicationDisplayName(QString());
}

// A prompt of many lines shows its first lines; the whole prompt goes to the top of the
// details, and the box fits on its screen with them open.
TEST(MsgBoxTextTest, ALongPromptFitsOnTheScreenAndMovesToTheDetails)
{
    QtServices services;
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("Line %1 of a prompt far too long for any screen").arg(i);
    const QString prompt = lines.join(u'\n');
    QString text, details;
    bool fits = false;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        text = box->text();
        details = box->detailedText();
        fits = fitsWithDetailsOpen(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    services.MsgBoxWithDetails(prompt, QStringLiteral("More"));
    EXPECT_TRUE(text.startsWith(lines[0] + u'\n') && text.endsWith("\n...")) << qPrintable(text);
    EXPECT_EQ(details, prompt + "\n\nMore");
    EXPECT_TRUE(fits);
}

} // namespace
