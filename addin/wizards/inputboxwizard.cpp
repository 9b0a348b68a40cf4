#include "inputboxwizard.h"

#include "wizardwidgets.h"

#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "platform/basic/basic.h"
#include "platform/ui/services.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvar {

InputBoxWizard::InputBoxWizard(QWidget *parent)
    : BoxWizard(QStringLiteral("INbox"), InputBoxWizardCaption, 6345, 5040, parent)
{

    QGroupBox *frame5 = addFrame(this, QStringLiteral("Frame5"),
                                 QStringLiteral("Title and Message"), 45, 45, 6270, 2415);
    Text1 = addTextBox(frame5, QStringLiteral("Text1"), 1110, 300, 5040, 300);
    addLabel(frame5, QStringLiteral("Label1(0)"), QStringLiteral("Title :"), 75, 345, 390, 195,
             Text1);
    Text5 = addTextBox(frame5, QStringLiteral("Text5"), 1110, 660, 5040, 300);
    addLabel(frame5, QStringLiteral("Label3"), QStringLiteral("Default Input:"), 75, 705, 960, 195,
             Text5);
    Text2 = addMultiLineTextBox(frame5, QStringLiteral("Text2"), 1110, 1050, 5040, 1260);
    addLabel(frame5, QStringLiteral("Label1(1)"), QStringLiteral("Message :"), 75, 1035, 735, 195,
             Text2);

    QGroupBox *frame1 = addFrame(this, QStringLiteral("Frame1"),
                                 QStringLiteral("Inputbox Position"), 45, 2535, 6270, 825);
    Text6 = addTextBox(frame1, QStringLiteral("Text6"), 1635, 330, 990, 300);
    addLabel(frame1, QStringLiteral("Label4(0)"), QStringLiteral("X:"), 1305, 390, 150, 195, Text6);
    Text7 = addTextBox(frame1, QStringLiteral("Text7"), 3975, 330, 990, 300);
    addLabel(frame1, QStringLiteral("Label4(1)"), QStringLiteral("Y:"), 3660, 390, 150, 195, Text7);

    const HelpSettings help = addHelpSettings(this, 60, 3435, 900);
    const WizardButtons buttons =
        addWizardButtons(this, QStringLiteral("Test Inputbox"), 1935, 4605);

    wireButtons(help, buttons);

    chainTabOrder({Text1, Text5, Text2, Text6, Text7, Text3, Text4, buttons.Command1,
                   buttons.Command2, buttons.Command3, help.Command4});

    Text1->setFocus();
    Form_Load();
}

void InputBoxWizard::Form_Load()
{
    CenterForm(this);
}

InputBoxFields InputBoxWizard::fields() const
{
    return {multiLineText(Text2), Text1->text(), Text5->text(), Text6->text(),
            Text7->text(),        Text3->text(), Text4->text()};
}

void InputBoxWizard::Command1_Click()
{
    ReportAndLeave([this] {
        const InputBoxFields f = fields();
        ui::services().InputBox(f.message, f.title, f.defaultText, basic::Val(f.x), basic::Val(f.y),
                                f.helpFile, basic::toLong(basic::Val(f.context)));
    });
}

void InputBoxWizard::Command2_Click()
{
    // A position no number holds is refused and a clipboard that cannot be opened is reported;
    // either way the dialog stays open with everything in it.
    ReportAndLeave(
        [this] { deliverCode(this, inputBoxCode(fields()), InputBoxConfirmationSentence); });
}

} // namespace tolvar
