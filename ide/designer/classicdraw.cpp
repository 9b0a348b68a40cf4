#include "classicdraw.h"

#include "ide/designer/systemcolours.h"

#include <QPainter>

namespace vbhost {

namespace {

enum : int { Shadow3D = 16, Highlight3D = 20, DarkShadow3D = 21, Light3D = 22 };

// Top and left in one colour, bottom and right in another.
void edge(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    if (r.width() < 1 || r.height() < 1)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

QColor systemColour(int index)
{
    return QColor::fromRgb(0xFF000000u | systemColourRgb(index));
}

QColor argbColour(quint32 argb)
{
    return QColor::fromRgba(argb);
}

void drawButtonEdge(QPainter &p, const QRect &r, bool pressed)
{
    if (pressed) {
        drawSunkenEdge(p, r);
        return;
    }
    edge(p, r, systemColour(Light3D), systemColour(DarkShadow3D));
    edge(p, r.adjusted(1, 1, -1, -1), systemColour(Highlight3D), systemColour(Shadow3D));
}

void drawSunkenEdge(QPainter &p, const QRect &r)
{
    edge(p, r, systemColour(Shadow3D), systemColour(Highlight3D));
    edge(p, r.adjusted(1, 1, -1, -1), systemColour(DarkShadow3D), systemColour(Light3D));
}

void drawEtchedRect(QPainter &p, const QRect &r)
{
    const QRect inner = r.adjusted(0, 0, -1, -1);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(systemColour(Highlight3D));
    p.drawRect(inner.translated(1, 1).adjusted(0, 0, -1, -1));
    p.setPen(systemColour(Shadow3D));
    p.drawRect(inner.adjusted(0, 0, -1, -1));
    p.restore();
}

void drawFlatRect(QPainter &p, const QRect &r, const QColor &colour)
{
    edge(p, r, colour, colour);
}

} // namespace vbhost
