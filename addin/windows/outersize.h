#pragma once

class QWidget;

namespace tolvar {

// Fixes a window at the outer size, in twips, it is designed with: whatever frame the window
// manager adds comes off the inside.
void setOuterSize(QWidget *window, double widthTwips, double heightTwips);

} // namespace tolvar
