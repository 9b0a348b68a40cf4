#include "console.h"

#include <cstdio>

namespace ui {

bool hasNoDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        return qEnvironmentVariableIsEmpty("DISPLAY") &&
               qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Platforms without a screen of their own: a box there waits for a click that never comes.
    return platform.startsWith(u"offscreen") || platform.startsWith(u"minimal");
}

void printMessage(const QString &prompt, const QString &title)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

} // namespace ui
