#pragma once

#include <QList>
#include <QString>

namespace ui {

// What a MsgBox buttons value asks for, read once so that every implementation agrees.
struct MsgBoxStyle
{
    QList<int> buttons;    // mb::Result of each button, left to right
    int defaultButton = 1; // mb::Result of the button Enter presses
    int escapeButton = 0;  // mb::Result Escape gives; 0 when Escape does nothing
    int icon = 0;          // mb::Icon, or 0 for none
    bool systemModal = false;
};

// Unknown button sets show OK alone; a default beyond the last button falls back to the first;
// Escape gives Cancel where there is a Cancel button and OK where OK stands alone.
MsgBoxStyle msgBoxStyle(int buttons);

// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No" for mb::Result 1 to 7.
QString msgBoxButtonText(int result);

} // namespace ui
