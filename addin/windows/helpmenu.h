#pragma once

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The Help menu the add-in's windows share: Contents, the topic on using the add-in and, after
// the separator, the about box. A help viewer that cannot start is reported; the window stays
// usable.
void HelpMenuClick(ui::CommonDialog &dialog, int index);

} // namespace tolvar
