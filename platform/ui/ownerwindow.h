#pragma once

#include <QtGlobal>

namespace ui {

// From now on every top-level window the application shows is owned by the native window
// ownerId of another process: transient for it, so that the window manager keeps it above that
// window. On X11 only; elsewhere, or for 0, windows stay ordinary top-level windows.
void ownWindowsBy(quintptr ownerId);

} // namespace ui
