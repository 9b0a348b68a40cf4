#pragma once

#include <QString>

namespace tolvar {

// The add-in's automation ProgID, also its key in the environment's list of add-ins.
inline const QString AddInProgId = QStringLiteral("VantixTolvarAddIn.connect");

// Process entry: makes sure VB.INI lists the add-in in section Add-Ins32 (value "0" when the
// key is missing). Opens no window; errors are reported.
void StartUp();

} // namespace tolvar
