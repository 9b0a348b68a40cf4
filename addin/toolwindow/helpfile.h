#pragma once

#include <QString>

namespace tolvar {

// The application's help file: the file the add-in's own help requests (F1 in its windows) open.
void setAppHelpFile(const QString &path);
QString appHelpFile();

} // namespace tolvar
