#include "toolbarpictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

namespace tolvar {

namespace {

const QColor Outline(40, 40, 40);
const QColor Guide(210, 30, 30);
const QColor Control(70, 130, 210);
const QColor ControlLight(150, 190, 240);
const QColor Arrow(20, 140, 60);
const QColor TitleBar(0, 0, 150);

void box(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void line(QPainter &p, QPointF a, QPointF b, const QColor &colour, qreal width = 2)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
}

// A line with a head at both ends.
void doubleArrow(QPainter &p, QPointF a, QPointF b)
{
    line(p, a, b, Arrow, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Arrow);
    const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    for (const auto &[tip, dir] : {std::pair{a, -d}, std::pair{b, d}}) {
        const QPointF back = tip - dir * 4.5;
        p.drawPolygon(QPolygonF{tip + dir, back + n * 3.5, back - n * 3.5});
    }
}

// Three controls, the middle one lighter, and the guide their edges meet.
void linedUp(QPainter &p, const std::array<QRectF, 3> &controls, QPointF from, QPointF to)
{
    box(p, controls[0], Control);
    box(p, controls[1], ControlLight);
    box(p, controls[2], Control);
    line(p, from, to, Guide);
}

void dialogWindow(QPainter &p, const QRectF &r)
{
    box(p, r, QColor(236, 236, 236));
    p.fillRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 1, 4), TitleBar);
}

void drawSymbol(QPainter &p, int id)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (id) {
    case 1: // left edges lined up on a guide
        linedUp(p, {QRectF(8, 6, 17, 5), QRectF(8, 13, 10, 5), QRectF(8, 20, 14, 5)}, {7, 3},
                {7, 29});
        break;
    case 2: // right edges
        linedUp(p, {QRectF(7, 6, 17, 5), QRectF(14, 13, 10, 5), QRectF(10, 20, 14, 5)}, {25, 3},
                {25, 29});
        break;
    case 3: // bottom edges
        linedUp(p, {QRectF(6, 7, 5, 17), QRectF(13, 14, 5, 10), QRectF(20, 10, 5, 14)}, {3, 25},
                {29, 25});
        break;
    case 4: // top edges
        linedUp(p, {QRectF(6, 8, 5, 17), QRectF(13, 8, 5, 10), QRectF(20, 8, 5, 14)}, {3, 7},
                {29, 7});
        break;
    case 5: // heights matched
        box(p, QRectF(4, 6, 8, 20), Control);
        box(p, QRectF(15, 6, 6, 20), ControlLight);
        doubleArrow(p, {26.5, 6}, {26.5, 26});
        break;
    case 6: // widths matched
        box(p, QRectF(6, 4, 20, 7), Control);
        box(p, QRectF(6, 14, 20, 5), ControlLight);
        doubleArrow(p, {6, 25.5}, {26, 25.5});
        break;
    case 7: // both matched
        box(p, QRectF(3, 3, 11, 11), Control);
        box(p, QRectF(12, 12, 11, 11), ControlLight);
        doubleArrow(p, {27.5, 12}, {27.5, 23});
        doubleArrow(p, {12, 27.5}, {23, 27.5});
        break;
    case 8: { // a message box with its icon and button
        dialogWindow(p, QRectF(3, 5, 26, 22));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 1));
        p.setBrush(QColor(30, 90, 220));
        p.drawEllipse(QRectF(6, 12, 9, 9));
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(10.5, 15.5), QPointF(10.5, 19));
        p.drawPoint(QPointF(10.5, 13.8));
        p.setRenderHint(QPainter::Antialiasing, false);
        line(p, {17, 13.5}, {26, 13.5}, QColor(90, 90, 90), 1);
        line(p, {17, 16.5}, {24, 16.5}, QColor(90, 90, 90), 1);
        box(p, QRectF(16, 20, 9, 4), QColor(200, 200, 200));
        break;
    }
    case 9: // an input box: prompt, text field and caret
        dialogWindow(p, QRectF(3, 5, 26, 22));
        line(p, {6, 13.5}, {20, 13.5}, QColor(90, 90, 90), 1);
        box(p, QRectF(6, 17, 20, 6), Qt::white);
        line(p, {9.5, 18}, {9.5, 22}, Outline, 1);
        break;
    case 10: { // a screen with stars
        box(p, QRectF(4, 4, 24, 17), QColor(0, 0, 80));
        p.setPen(QColor(255, 230, 0));
        for (const QPoint &star : {QPoint(8, 8), QPoint(14, 12), QPoint(21, 7), QPoint(24, 16),
                                   QPoint(10, 17), QPoint(18, 18)})
            p.drawPoint(star);
        p.setPen(QColor(120, 220, 255));
        p.drawLine(15, 8, 17, 8);
        p.drawLine(16, 7, 16, 9);
        box(p, QRectF(13, 21, 6, 3), QColor(160, 160, 160));
        box(p, QRectF(8, 24, 16, 3), QColor(160, 160, 160));
        break;
    }
    case 11: { // a file with a folded corner and lines of code
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Outline, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{QPointF(7.5, 3.5), QPointF(19.5, 3.5), QPointF(25.5, 9.5),
                                QPointF(25.5, 28.5), QPointF(7.5, 28.5)});
        p.setBrush(QColor(200, 200, 200));
        p.drawPolygon(QPolygonF{QPointF(19.5, 3.5), QPointF(19.5, 9.5), QPointF(25.5, 9.5)});
        p.setRenderHint(QPainter::Antialiasing, false);
        line(p, {10, 13.5}, {22, 13.5}, Control, 1);
        line(p, {12, 16.5}, {21, 16.5}, ControlLight, 1);
        line(p, {12, 19.5}, {23, 19.5}, ControlLight, 1);
        line(p, {10, 22.5}, {19, 22.5}, Control, 1);
        break;
    }
    case 12: { // a globe
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sea(QPointF(12, 11), 16);
        sea.setColorAt(0, QColor(140, 200, 255));
        sea.setColorAt(1, QColor(0, 70, 180));
        const QRectF globe(4, 4, 24, 24);
        p.setPen(QPen(QColor(0, 40, 120), 1));
        p.setBrush(sea);
        p.drawEllipse(globe);
        QPainterPath land;
        land.moveTo(9, 9);
        land.cubicTo(13, 6, 17, 9, 15, 13);
        land.cubicTo(13, 16, 17, 18, 14, 23);
        land.cubicTo(11, 21, 8, 16, 9, 9);
        land.moveTo(19, 16);
        land.cubicTo(23, 14, 26, 18, 23, 22);
        land.cubicTo(21, 24, 19, 21, 19, 16);
        p.fillPath(land, QColor(40, 160, 60));
        p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 4, 12, 24));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.drawLine(QPointF(16, 4), QPointF(16, 28));
        break;
    }
    default:
        break;
    }
}

} // namespace

QPixmap buttonPicture(int id, ButtonPicture state)
{
    QImage symbol = ui::emptySymbol();
    {
        QPainter p(&symbol);
        drawSymbol(p, id);
    }
    return ui::buttonPicture(symbol, state);
}

QPixmap toolbarBackground(const QSize &size)
{
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    QPainter p(&picture);
    QLinearGradient shade(0, 0, 0, picture.height());
    shade.setColorAt(0, QColor(238, 238, 234));
    shade.setColorAt(1, QColor(206, 206, 200));
    p.fillRect(picture.rect(), shade);
    p.setPen(Qt::white);
    p.drawLine(0, 0, picture.width() - 1, 0);
    p.setPen(QColor(150, 150, 146));
    p.drawLine(0, picture.height() - 1, picture.width() - 1, picture.height() - 1);
    return picture;
}

QPixmap toolWindowIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(0, 0, 90));
    p.setBrush(QColor(0, 60, 170));
    p.drawRect(0, 0, 15, 15);
    // A guide with three lined-up bars: the add-in's tools in small.
    p.setPen(QColor(255, 80, 80));
    p.drawLine(3, 2, 3, 13);
    p.fillRect(QRect(4, 3, 9, 2), QColor(255, 255, 255));
    p.fillRect(QRect(4, 7, 5, 2), QColor(255, 230, 0));
    p.fillRect(QRect(4, 11, 7, 2), QColor(255, 255, 255));
    return picture;
}

} // namespace tolvar
