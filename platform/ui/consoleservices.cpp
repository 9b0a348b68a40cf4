#include "consoleservices.h"

#include "msgboxstyle.h"

namespace ui {

int ConsoleServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                            const QString &, int)
{
    printMessage(prompt, title.isEmpty() ? applicationTitle() : title);
    return msgBoxStyle(buttons).defaultButton;
}

} // namespace ui
