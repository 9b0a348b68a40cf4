#pragma once

#include <QString>
#include <functional>

class QMainWindow;
class QMenu;

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The Help menu the add-in's windows share: Contents, the topic on using the add-in and, after
// the separator, the about box. A help viewer that cannot start is reported; the window stays
// usable.
void HelpMenuClick(ui::CommonDialog &dialog, int index);

// Adds that menu to the window's menu bar, named `name`, its items the array `array`, opened by
// Alt+H.
QMenu *addHelpMenu(QMainWindow *window, const QString &name, const QString &array,
                   const std::function<void(int)> &click);

} // namespace tolvar
