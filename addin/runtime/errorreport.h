#pragma once

#include "platform/automation/error.h"

#include <QString>

namespace tolvar {

// The one way the add-in tells the developer that something failed: the pending error's number
// and description in an information box.
void ReportError(const automation::Error &pending);

// The box's prompt for an error, kept apart so that the text can be checked without a box.
QString errorPrompt(const automation::Error &pending);

inline const QString ErrorReportTitle = QStringLiteral("Vantix Software Tolvar Add-In");

} // namespace tolvar
