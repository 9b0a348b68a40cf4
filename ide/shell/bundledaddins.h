#pragma once

#include <QStringList>

namespace vbhost {

// Add-ins installed together with the environment (tolvar): the servers lib/NAME/NAME next to
// the folder the environment's executable is in (bin/), as an installation or the build lays
// them out.
QStringList bundledAddInServers(const QString &environmentDir);

// Registers each bundled add-in for this user unless CLASSES.INI already names its server and
// VB.INI lists it: the server is run plainly and registers itself, as automation servers do.
// Run on every start, so a new user's first start, or a moved installation, registers them.
// Returns the servers that failed.
QStringList registerBundledAddIns(const QString &environmentDir);

} // namespace vbhost
