#pragma once

#include <QString>

namespace tolvar {

// The folder of the tolvar executable, links resolved: the support files live there.
QString AddInFolder();

// The folder, a separator and the name. The joining is unconditional: a folder that already ends
// in a separator gets a second one.
QString AddInPath(const QString &name);

// Points AddInFolder elsewhere (an empty text restores the executable's folder).
void setAddInFolderForTesting(const QString &folder);

} // namespace tolvar
