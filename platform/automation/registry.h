#pragma once

#include <QString>

namespace automation {

// The class registry: CLASSES.INI in the Windows directory, section LocalServer32, one key per
// ProgID whose value is the absolute path of the server executable. Section Description holds,
// under the same keys, what each class is called where people choose it (the Add-In Manager);
// readers that know only LocalServer32 never see it.

// Records exePath (made absolute) as the server of progId, and the description when one is
// given (an earlier one stays otherwise). False when the file cannot be written or the ProgID
// cannot be a key.
bool registerLocalServer(const QString &progId, const QString &exePath,
                         const QString &description = {});
// The registered server of progId (the ProgID matches without regard to case); empty when the
// ProgID is not registered.
QString localServerPath(const QString &progId);
// The registered description of progId; empty when it has none.
QString classDescription(const QString &progId);

} // namespace automation
