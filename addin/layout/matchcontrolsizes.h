#pragma once

#include <QtGlobal>

namespace tolvar {

// Gives every selected control the width, the height or both of the first selected control,
// as the bit set SizeMode says: 1 the width, 2 the height. Failures are skipped silently.
void MatchControlSizes(qint16 SizeMode);

} // namespace tolvar
