#pragma once

#include <QString>

namespace tolvar {

// The application's help file: F1 in any of the add-in's windows opens it at its contents.
void setAppHelpFile(const QString &path);
QString appHelpFile();

} // namespace tolvar
