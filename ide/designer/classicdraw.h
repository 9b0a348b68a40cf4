#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace vbhost {

// A colour of the environment's system colour scheme by index (15 button face, 5 window, ...).
QColor systemColour(int index);
QColor argbColour(quint32 argb);

// The two-pixel edges of the time: a raised button (pressed: sunken the button's way), the
// sunken edge of text boxes and lists, and the etched line of frames. Each draws inside r.
void drawButtonEdge(QPainter &p, const QRect &r, bool pressed = false);
void drawSunkenEdge(QPainter &p, const QRect &r);
void drawEtchedRect(QPainter &p, const QRect &r);
// A one-pixel rectangle just inside r.
void drawFlatRect(QPainter &p, const QRect &r, const QColor &colour);

} // namespace vbhost
