#include "consoleservices.h"

#include "platform/ui/msgboxstyle.h"

#include <cstdio>

namespace tolvar {

int ConsoleServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                            const QString &, int)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", qPrintable(title.isEmpty() ? QStringLiteral("Tolvar") : title),
                 qPrintable(text));
    return ui::msgBoxStyle(buttons).defaultButton;
}

bool hasNoDisplay()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace tolvar
