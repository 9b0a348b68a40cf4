#pragma once

#include <QString>

namespace tolvar {

// Moves the controls selected on the form being designed so that their near (or far) edges
// line up with the outermost one. Sizes never change. The edge is given by the position property
// ("Top" or "Left") and, for the far edge, the matching size property ("Height" or "Width");
// an empty extent means the near edge.
void AlignControls(const QString &AlignPositionProperty, const QString &AlignExtentProperty);

} // namespace tolvar
