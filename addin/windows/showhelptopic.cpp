#include "showhelptopic.h"

#include "addin/runtime/addinfolder.h"

#include "platform/ui/commondialog.h"

namespace tolvar {

void ShowHelpTopic(ui::CommonDialog &dialog, qint16 command, qint32 context)
{
    // Every request sets the file again, so whatever the dialog was last used for is irrelevant.
    dialog.HelpFile = AddInPath(QStringLiteral("tolvar.hlp"));
    if (command == ui::CommonDialog::cdlHelpContext)
        dialog.HelpContext = context;
    dialog.HelpCommand = command;
    dialog.ShowHelp();
}

} // namespace tolvar
