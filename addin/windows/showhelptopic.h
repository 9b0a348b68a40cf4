#pragma once

#include <QtGlobal>

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The topic "Using The Tolvar Add-In".
constexpr qint32 UsingTheAddInContext = 80;

// Opens the add-in's help file through the window's own common dialog: command 3 shows the
// contents, command 1 the topic with the given context number. Returns at once.
void ShowHelpTopic(ui::CommonDialog &dialog, qint16 command, qint32 context = 0);

} // namespace tolvar
