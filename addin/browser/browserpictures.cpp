#include "browserpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tolvar {

namespace {

const QColor Outline(30, 30, 30);

// A thick arrow with its shadow, pointing left or right.
void arrow(QPainter &p, bool right)
{
    QPolygonF shape{QPointF(4, 16),  QPointF(15, 5),  QPointF(15, 11), QPointF(27, 11),
                    QPointF(27, 21), QPointF(15, 21), QPointF(15, 27)};
    if (right)
        for (QPointF &point : shape)
            point.setX(31 - point.x());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawPolygon(shape.translated(2, 2));
    p.setBrush(Qt::black);
    p.drawPolygon(shape);
}

void stopSign(QPainter &p)
{
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(QColor(220, 20, 20));
    p.drawEllipse(QRectF(4.5, 4.5, 23, 23));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void reloadPage(QPainter &p)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(6.5, 3.5), QPointF(19.5, 3.5), QPointF(25.5, 9.5),
                            QPointF(25.5, 28.5), QPointF(6.5, 28.5)});
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygonF{QPointF(19.5, 3.5), QPointF(19.5, 9.5), QPointF(25.5, 9.5)});
    const QColor blue(20, 80, 220);
    p.setPen(QPen(blue, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(9.5, 10.5, 13, 13);
    p.drawArc(ring, 20 * 16, 140 * 16);
    p.drawArc(ring, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(QPolygonF{QPointF(9, 13), QPointF(13.5, 14.5), QPointF(8.5, 18)});
    p.drawPolygon(QPolygonF{QPointF(23, 21), QPointF(18.5, 19.5), QPointF(23.5, 16)});
}

void house(QPainter &p)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawPolygon(QPolygonF{QPointF(16, 3.5), QPointF(29, 15.5), QPointF(3, 15.5)});
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 15.5, 17, 12));
    p.fillRect(QRectF(8, 16, 16, 3), QColor(0, 200, 220));
    p.setBrush(QColor(90, 160, 230));
    p.drawRect(QRectF(10.5, 20.5, 5, 4));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(18.5, 20.5, 4, 7));
}

} // namespace

QPixmap browserButtonPicture(int code, ui::ButtonPicture state)
{
    QImage symbol = ui::emptySymbol();
    {
        QPainter p(&symbol);
        p.setRenderHint(QPainter::Antialiasing);
        switch (code) {
        case 1:
            arrow(p, false);
            break;
        case 2:
            arrow(p, true);
            break;
        case 3:
            stopSign(p);
            break;
        case 4:
            reloadPage(p);
            break;
        case 5:
            house(p);
            break;
        default:
            break;
        }
    }
    return ui::buttonPicture(symbol, state);
}

QPixmap browserToolbarBackground()
{
    QPixmap picture(800, 110);
    picture.fill(QColor(212, 212, 208));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(226, 226, 222), 9, Qt::SolidLine, Qt::RoundCap));
    // Broad pen strokes looping across the strip, as a calligrapher's practice sheet.
    for (int k = 0; k < 4; ++k) {
        const qreal x = -60 + k * 230;
        QPainterPath stroke(QPointF(x, 95));
        stroke.cubicTo(x + 60, -30, x + 170, 10, x + 120, 60);
        stroke.cubicTo(x + 80, 100, x + 20, 40, x + 110, 25);
        stroke.cubicTo(x + 190, 12, x + 230, 90, x + 300, 70);
        p.drawPath(stroke);
    }
    p.setPen(QPen(QColor(222, 222, 218), 4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        const qreal x = 40 + k * 180;
        QPainterPath curl(QPointF(x, 10));
        curl.cubicTo(x + 50, 50, x - 30, 80, x + 20, 105);
        p.drawPath(curl);
    }
    return picture;
}

} // namespace tolvar
