#include "msgboxstyle.h"

#include "services.h"

namespace ui {

MsgBoxStyle msgBoxStyle(int buttons)
{
    MsgBoxStyle style;
    switch (buttons & 0xF) {
    case mb::OKCancel:
        style.buttons = {mb::OK, mb::Cancel};
        break;
    case mb::AbortRetryIgnore:
        style.buttons = {mb::Abort, mb::Retry, mb::Ignore};
        break;
    case mb::YesNoCancel:
        style.buttons = {mb::Yes, mb::No, mb::Cancel};
        break;
    case mb::YesNo:
        style.buttons = {mb::Yes, mb::No};
        break;
    case mb::RetryCancel:
        style.buttons = {mb::Retry, mb::Cancel};
        break;
    default:
        style.buttons = {mb::OK};
        break;
    }
    const int defaultIndex = (buttons & 0xF00) >> 8;
    style.defaultButton = style.buttons.value(defaultIndex, style.buttons.front());
    if (style.buttons.contains(mb::Cancel))
        style.escapeButton = mb::Cancel;
    else if (style.buttons == QList<int>{mb::OK})
        style.escapeButton = mb::OK;
    switch (buttons & 0xF0) {
    case mb::Critical:
    case mb::Question:
    case mb::Exclamation:
    case mb::Information:
        style.icon = buttons & 0xF0;
        break;
    default:
        break;
    }
    style.systemModal = (buttons & mb::SystemModal) != 0;
    return style;
}

QString msgBoxButtonText(int result)
{
    static const char *const texts[] = {"OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    if (result < mb::OK || result > mb::No)
        return {};
    return QString::fromLatin1(texts[result - 1]);
}

} // namespace ui
