#pragma once

#include "designselection.h"

namespace tolvar {

// Moves the selected controls between the first and the last along the axis (the others keep
// their places) so that the gaps between neighbours are equal; three or more controls.
void SpaceEqually(LayoutAxis axis, const StatusSink &setStatus);

inline const QString SelectThreeText = QStringLiteral("Select three or more controls.");

} // namespace tolvar
