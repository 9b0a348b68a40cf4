#pragma once

#include <QPoint>

class QWidget;

namespace tolvar {

// Places a window in the middle of the screen without resizing it; errors are reported.
void CenterForm(QWidget *form);

// The centred position in twips: each free extent rounded to whole twips (halves to even), then
// halved with the quotient truncated toward zero, so a window wider than the screen gets a
// negative left.
QPoint centeredPositionTwips(double screenWidth, double screenHeight, double windowWidth,
                             double windowHeight);

} // namespace tolvar
