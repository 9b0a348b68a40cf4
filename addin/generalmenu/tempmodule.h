#pragma once

#include <QString>

class QFile;

namespace tolvar {

inline const QString TempModuleName = QStringLiteral("temp.MOD");

// A folder of the user's own (mode 0700) for the temporary module when the add-in folder cannot
// be written. Created on demand; raises automation::Error when that fails.
QString privateTempFolder();

// Opens a new, empty temp.MOD for writing in the add-in folder, or in the private folder when
// the add-in folder cannot be written, and returns its path. Whatever stands at that name is
// removed first, a link included (never followed); a folder there is an error. Raises
// automation::Error.
QString createTempModule(QFile &file);

// Deletes the file; raises automation::Error when it cannot.
void killFile(const QString &path);

} // namespace tolvar
