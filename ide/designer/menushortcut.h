#pragma once

#include <QString>

namespace vbhost {

// A menu control's Shortcut as the form file stores it ("^N", "{F1}", "+^{F5}", "{DEL}",
// "%{BKSP}") in the portable text of a key sequence ("Ctrl+N", "F1", "Ctrl+Shift+F5", "Del",
// "Alt+Backspace"). Empty for no shortcut or a code it does not know.
QString shortcutText(const QString &code);

// A caption without its access-key ampersands ("&&" stays one '&').
QString stripAccessKey(const QString &caption);

} // namespace vbhost
