#pragma once

#include <QStringList>

namespace ui {

// Turns a common dialog filter, "Text (*.txt)|*.txt|All Files|*.*", into Qt name filters,
// "Text (*.txt) (*.txt)" and "All Files (*)". Show them with QFileDialog::HideNameFilterDetails
// so that the descriptions read as written. Patterns separated by ';' become one filter; "*.*"
// means every file, as it does on the platform; a description without a pattern is dropped.
QStringList nameFiltersFromCommonDialog(const QString &filter);

} // namespace ui
