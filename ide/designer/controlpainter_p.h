#pragma once

#include "ide/designer/controlpainter.h"

namespace vbhost {

// Painters of the graphical controls, in their own file.
void paintShape(const ControlPaint &paint);
void paintLine(const ControlPaint &paint);
void paintImage(const ControlPaint &paint);
void paintPictureBox(const ControlPaint &paint);

// The border a label, text box, list or picture box draws inside its rectangle (0, 1 or 2
// pixels wide) for its BorderStyle and Appearance, and how wide it was.
int paintControlBorder(const ControlPaint &paint, bool bordered);

} // namespace vbhost
