#pragma once

#include <QString>

namespace ui {

// True when nothing shown would be seen: no display server named and no Qt platform chosen, or a
// platform without a screen (offscreen, minimal).
bool hasNoDisplay();

// A message box as a line (or lines) on standard error, for a run nobody watches.
void printMessage(const QString &prompt, const QString &title);

} // namespace ui
