#include "wizardfixture.h"

#include "addin/wizards/inputboxwizard.h"
#include "addin/wizards/messageboxwizard.h"

#include "platform/ui/twips.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>

namespace {

struct WindowCase
{
    const char *name;
    std::function<QWidget *()> make;
    const char *caption;
    double width, height;
    const char *numberBox; // a box whose number is refused beyond its range
    QStringList refused;
    const char *refusal;
};

class WizardWindowTest : public WizardFixture, public ::testing::TestWithParam<WindowCase>
{
protected:
    void SetUp() override { load(GetParam().make()); }
};

QString accessibleName(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

TEST_P(WizardWindowTest, CaptionSizeKeysAndNamesAsAScreenReaderMeetsThem)
{
    EXPECT_EQ(accessibleName(wizard.get()), GetParam().caption);
    EXPECT_EQ(wizard->size(), ui::twipsToPixels(GetParam().width, GetParam().height));
    EXPECT_TRUE(wizard->findChild<QObject *>("CommonDialog1"));
    for (QAbstractButton *b : wizard->findChildren<QAbstractButton *>()) {
        EXPECT_EQ(accessibleName(b), b->text().replace("&&", "&"));
        if (auto *push = qobject_cast<QPushButton *>(b)) {
            EXPECT_FALSE(push->isDefault() || push->autoDefault());
        }
    }
    // No default or cancel button: Enter and Escape in a box neither press OK nor close.
    QTest::keyClick(child("Text1"), Qt::Key_Return);
    QTest::keyClick(child("Text1"), Qt::Key_Escape);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_TRUE(fake.calls.isEmpty());
    for (QLabel *label : wizard->findChildren<QLabel *>()) {
        ASSERT_TRUE(label->buddy()) << label->objectName().toStdString();
        EXPECT_EQ(accessibleName(label->buddy()), label->text());
    }
}

// The room an option's caption has: its width less the indicator.
int captionRoom(QRadioButton *option)
{
    QStyleOptionButton style;
    style.initFrom(option);
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
}

TEST_P(WizardWindowTest, OptionsSitBelowTheirFrameCaptionInTheLargestFontThatFitsThemAll)
{
    for (QGroupBox *frame : wizard->findChildren<QGroupBox *>()) {
        const auto options = frame->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        bool largerFitsAll = true;
        for (QRadioButton *option : options) {
            const std::string name = option->objectName().toStdString();
            const QString caption = option->text().replace("&&", "&");
            EXPECT_EQ(option->font(), options.front()->font()) << name;
            EXPECT_GE(option->y(), QFontMetrics(frame->font()).height()) << name;
            EXPECT_LE(option->geometry().bottom(), frame->contentsRect().bottom()) << name;
            EXPECT_LE(QFontMetrics(option->font()).horizontalAdvance(caption), captionRoom(option))
                << name;
            QFont larger = option->font();
            larger.setPointSizeF(larger.pointSizeF() + 0.25);
            const int inside = frame->contentsRect().right() + 1 - option->x();
            largerFitsAll = largerFitsAll && QFontMetrics(larger).horizontalAdvance(caption) <=
                                                 inside - (option->width() - captionRoom(option));
        }
        if (!options.isEmpty() && options.front()->font() != frame->font()) {
            EXPECT_FALSE(largerFitsAll) << frame->objectName().toStdString();
        }
    }
}

TEST_P(WizardWindowTest, BrowseFillsHelpFileAndCancelLeavesItQuietly)
{
    fill({{"Text3", "kept.hlp"}});
    click("Command4");
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), "kept.hlp");
    fake.openFileNames << QString("/help/chosen.hlp");
    click("Command4");
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), "/help/chosen.hlp");
    const auto opens = fake.callsTo("ShowOpen");
    ASSERT_EQ(opens.size(), 2);
    EXPECT_EQ(opens[0].args[1], "Help Files (*.hlp)|*.hlp");
    EXPECT_EQ(opens[0].args[3], true);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_P(WizardWindowTest, RefusedNumberAndBusyClipboardAreReportedWithDialogKept)
{
    fill({{"Text1", "T"}, {"Text3", "h.hlp"}});
    auto *box = child<QLineEdit>(GetParam().numberBox);
    QStringList reports;
    for (const QString &number : GetParam().refused) {
        box->setText(number);
        click("Command2");
        EXPECT_TRUE(wizard->isVisible());
        EXPECT_EQ(box->text(), number);
        reports << boxes().last().prompt;
    }
    box->setText("1");
    fake.clipboardBusy = true;
    click("Command2");
    reports << boxes().last().prompt;
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "T");
    ASSERT_EQ(boxes().size(), GetParam().refused.size() + 1);
    for (const QString &report : reports.mid(0, GetParam().refused.size()))
        EXPECT_TRUE(report.startsWith(GetParam().refusal)) << report.toStdString();
    EXPECT_EQ(reports.last(), "Error Number: 521\r\nCan't open Clipboard");
    EXPECT_EQ(boxes().last().title, "Vantix Software Tolvar Add-In");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WizardWindowTest,
    ::testing::Values(WindowCase{"MB", [] { return new tolvar::MessageBoxWizard; },
                                 "Vantix Software: Tolvar Add-In 2.0 Message Box Wizard", 6345,
                                 5730, "Text4", QStringList{"32767.5", "-32769", "1E400"},
                                 "Error Number: 6\r\nOverflow: the help context must be"},
                      WindowCase{"INbox", [] { return new tolvar::InputBoxWizard; },
                                 "Vantix Software: Tolvar Add-In 2.0 Inputbox Wizard", 6345, 5040,
                                 "Text6", QStringList{"1E400"},
                                 "Error Number: 6\r\nOverflow: X and Y must be"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
