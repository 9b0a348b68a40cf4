#pragma once

#include <QtGlobal>

namespace tolvar {

// Bit set of what MatchControlSizes copies: 1 the width, 2 the height.
extern qint16 SizeMode;

// Gives every selected control the width, the height or both of the first selected control.
// Failures are skipped silently.
void MatchControlSizes();

} // namespace tolvar
