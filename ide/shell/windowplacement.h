#pragma once

#include <QRect>

namespace vbhost {

// The wanted rectangle moved and, where it must be, shrunk so that it lies wholly inside the
// area: a window opened there shows all of itself, its frame included.
QRect placeWithin(const QRect &wanted, const QRect &area);

} // namespace vbhost
