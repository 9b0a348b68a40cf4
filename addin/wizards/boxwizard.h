#pragma once

#include "wizarddialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {
class CommonDialog;
}

namespace tolvar {

struct HelpSettings;
struct WizardButtons;

// A wizard that composes a box call: the title `Text1`, the message `Text2`, the help file
// `Text3` and its context `Text4`. Test and OK are the wizard's own; Cancel only hides it and
// the browse button looks for a help file.
class BoxWizard : public WizardDialog
{
    Q_OBJECT
public:
    using WizardDialog::WizardDialog;

protected:
    // Takes the help settings' boxes and wires the buttons.
    void wireButtons(const HelpSettings &help, const WizardButtons &buttons);

    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;
    void Command3_Click();
    void Command4_Click();

    QLineEdit *Text1 = nullptr;
    QPlainTextEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    ui::CommonDialog *CommonDialog1 = nullptr;
};

} // namespace tolvar
