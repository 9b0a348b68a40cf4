#pragma once

namespace tolvar {

class ToolWindow;

// Loads the tool window the first time (its load shows the splash, fills and shows it); later
// calls change nothing while it exists, shown or not.
void LoadToolWindow();

// The loaded tool window, or null.
ToolWindow *toolWindow();

// Drops the tool window and every window it loaded without ending the process, so that a test
// or a benchmark can load it again.
void unloadToolWindowForTesting();

} // namespace tolvar
