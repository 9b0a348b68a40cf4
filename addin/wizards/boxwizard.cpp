#include "boxwizard.h"

#include "wizardwidgets.h"

#include "platform/ui/commondialog.h"

#include <QPushButton>

namespace tolvar {

void BoxWizard::wireButtons(const HelpSettings &help, const WizardButtons &buttons)
{
    Text3 = help.Text3;
    Text4 = help.Text4;
    CommonDialog1 = new ui::CommonDialog(this);
    connect(buttons.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(buttons.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(buttons.Command3, &QPushButton::clicked, this, &BoxWizard::Command3_Click);
    connect(help.Command4, &QPushButton::clicked, this, &BoxWizard::Command4_Click);
}

void BoxWizard::Command3_Click()
{
    hide();
}

void BoxWizard::Command4_Click()
{
    browseForHelpFile(*CommonDialog1, Text3);
}

} // namespace tolvar
