#include "consoleservices.h"

#include "msgboxstyle.h"

#include <cstdio>

namespace ui {

int ConsoleServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                            const QString &, int)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", qPrintable(title.isEmpty() ? applicationTitle() : title),
                 qPrintable(text));
    return msgBoxStyle(buttons).defaultButton;
}

bool hasNoDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        return qEnvironmentVariableIsEmpty("DISPLAY") &&
               qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Platforms without a screen of their own: a box there waits for a click that never comes.
    return platform.startsWith(u"offscreen") || platform.startsWith(u"minimal");
}

} // namespace ui
