#pragma once

#include "designselection.h"

namespace tolvar {

// Moves the selected controls together, by one whole number of twips, so that the middle of
// the box around them lies at the middle of the form's inside along the axis.
void CentreInForm(LayoutAxis axis, const StatusSink &setStatus);

inline const QString SelectOneText = QStringLiteral("Select one or more controls.");

} // namespace tolvar
