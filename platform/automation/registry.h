#pragma once

#include <QString>

namespace automation {

// The class registry: CLASSES.INI in the Windows directory, section LocalServer32, one key per
// ProgID whose value is the absolute path of the server executable.

// Records exePath (made absolute) as the server of progId. False when the file cannot be
// written or the ProgID cannot be a key.
bool registerLocalServer(const QString &progId, const QString &exePath);
// The registered server of progId (the ProgID matches without regard to case); empty when the
// ProgID is not registered.
QString localServerPath(const QString &progId);

} // namespace automation
