#pragma once

#include <QString>

namespace tolvar {

// Which edge AlignControls lines up: the position property ("Top" or "Left") and, for the far
// edge, the matching size property ("Height" or "Width"); empty means the near edge.
extern QString AlignPositionProperty;
extern QString AlignExtentProperty;

// Moves the controls selected on the form being designed so that their near (or far) edges
// line up with the outermost one. Sizes never change.
void AlignControls();

} // namespace tolvar
