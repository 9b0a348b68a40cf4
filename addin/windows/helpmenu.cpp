#include "helpmenu.h"

#include "formregistry.h"
#include "showhelptopic.h"

#include "addin/runtime/traps.h"
#include "platform/ui/commondialog.h"

namespace tolvar {

void HelpMenuClick(ui::CommonDialog &dialog, int index)
{
    ReportAndLeave([&dialog, index] {
        switch (index) {
        case 0:
            ShowHelpTopic(dialog, ui::CommonDialog::cdlHelpContents);
            break;
        case 1:
            ShowHelpTopic(dialog, ui::CommonDialog::cdlHelpContext, UsingTheAddInContext);
            break;
        case 3:
            forms().show(formname::AboutBox);
            break;
        default:
            break;
        }
    });
}

} // namespace tolvar
