#include "windowplacement.h"

#include <algorithm>

namespace vbhost {

QRect placeWithin(const QRect &wanted, const QRect &area)
{
    QRect r(wanted.topLeft(), wanted.size().boundedTo(area.size()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    return r;
}

} // namespace vbhost
