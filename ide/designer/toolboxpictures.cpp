#include "toolboxpictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace vbhost {

namespace {

// The sixteen colours the pictures use.
const QColor Black(0, 0, 0), White(255, 255, 255), Grey(192, 192, 192), Dark(128, 128, 128);
const QColor Navy(0, 0, 128), Blue(0, 0, 255), Teal(0, 128, 128), Yellow(255, 255, 0);
const QColor Olive(128, 128, 0), Green(0, 128, 0), Red(255, 0, 0), Maroon(128, 0, 0);

void fill(QPainter &p, int x, int y, int w, int h, const QColor &c)
{
    p.fillRect(QRect(x, y, w, h), c);
}

void frame(QPainter &p, int x, int y, int w, int h, const QColor &c)
{
    p.setPen(c);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x, y, w - 1, h - 1));
}

// A raised (or sunken) edge of the time: light top-left, shadow bottom-right.
void bevel(QPainter &p, int x, int y, int w, int h, bool raised = true)
{
    p.setPen(raised ? White : Dark);
    p.drawLine(x, y, x + w - 2, y);
    p.drawLine(x, y, x, y + h - 2);
    p.setPen(raised ? Dark : White);
    p.drawLine(x + w - 1, y, x + w - 1, y + h - 1);
    p.drawLine(x, y + h - 1, x + w - 1, y + h - 1);
}

void triangle(QPainter &p, const QPolygon &points, const QColor &c)
{
    p.setPen(c);
    p.setBrush(c);
    p.drawPolygon(points);
}

// A small landscape: sky, sun, a hill.
void landscape(QPainter &p, int x, int y, int w, int h)
{
    fill(p, x, y, w, h, Teal);
    fill(p, x + w - 6, y + 2, 3, 3, Yellow);
    triangle(p,
             QPolygon({QPoint(x, y + h - 1), QPoint(x + w / 2 - 1, y + 3),
                       QPoint(x + w - 1, y + h - 1)}),
             Green);
}

void scrollArrow(QPainter &p, int x, int y, bool horizontal, bool forward)
{
    fill(p, x, y, horizontal ? 6 : 7, horizontal ? 7 : 6, Grey);
    bevel(p, x, y, horizontal ? 6 : 7, horizontal ? 7 : 6);
    const int a = forward ? 2 : 4, b = forward ? 4 : 2;
    triangle(p,
             horizontal
                 ? QPolygon({QPoint(x + a, y + 1), QPoint(x + b, y + 3), QPoint(x + a, y + 5)})
                 : QPolygon({QPoint(x + 1, y + a), QPoint(x + 3, y + b), QPoint(x + 5, y + a)}),
             Black);
}

// A scroll bar with its two arrows and its box, drawn across; a vertical one is the same turned.
void scrollBar(QPainter &p, bool across)
{
    const auto place = [across](int along, int aside, int length, int width) {
        return across ? QRect(along, aside, length, width) : QRect(aside, along, width, length);
    };
    p.fillRect(place(1, 8, 22, 7), QColor(224, 224, 224));
    for (int along : {1, 17}) {
        const QRect r = place(along, 8, 6, 7);
        scrollArrow(p, r.x(), r.y(), across, along > 1);
    }
    const QRect box = place(9, 8, 5, 7);
    fill(p, box.x(), box.y(), box.width(), box.height(), Grey);
    bevel(p, box.x(), box.y(), box.width(), box.height());
}

void paint(QPainter &p, int tool)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (tool) {
    case 0: // the pointer: the arrow of the mouse
        triangle(p,
                 QPolygon({QPoint(8, 3), QPoint(8, 17), QPoint(11, 14), QPoint(14, 19),
                           QPoint(16, 18), QPoint(13, 13), QPoint(17, 13)}),
                 Black);
        break;
    case 1: // picture box: a picture in a sunken frame
        fill(p, 2, 3, 20, 17, Grey);
        bevel(p, 2, 3, 20, 17, false);
        landscape(p, 4, 5, 16, 13);
        break;
    case 2: { // label: a capital A
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Black);
        p.drawText(QRect(0, 1, 24, 21), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case 3: { // text box: typed letters and the caret in a white field
        fill(p, 2, 5, 20, 13, White);
        bevel(p, 2, 5, 20, 13, false);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(Black);
        p.drawText(QRect(4, 6, 12, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ab"));
        p.drawLine(17, 7, 17, 15);
        break;
    }
    case 4: { // frame: a grouping edge with its caption
        p.setPen(Dark);
        p.drawRect(2, 6, 19, 14);
        p.setPen(White);
        p.drawRect(3, 7, 19, 14);
        fill(p, 5, 2, 11, 9, Grey);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(9);
        p.setFont(f);
        p.setPen(Black);
        p.drawText(QRect(5, 1, 11, 10), Qt::AlignCenter, QStringLiteral("xy"));
        break;
    }
    case 5: // command button: a raised button with a black edge
        fill(p, 2, 6, 20, 11, Grey);
        frame(p, 2, 6, 20, 11, Black);
        bevel(p, 3, 7, 18, 9);
        fill(p, 8, 11, 8, 1, Black);
        break;
    case 6: // check box: a ticked box
        fill(p, 5, 5, 13, 13, White);
        bevel(p, 5, 5, 13, 13, false);
        p.setPen(QPen(Black, 2));
        p.drawLine(8, 11, 10, 14);
        p.drawLine(10, 14, 15, 8);
        break;
    case 7: // option button: a chosen round button
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Dark);
        p.setBrush(White);
        p.drawEllipse(QRectF(5.5, 4.5, 12, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(Black);
        p.drawEllipse(QRectF(9, 8, 5, 5));
        break;
    case 8: // combo box: a field with its drop-down button
        fill(p, 1, 6, 22, 11, White);
        bevel(p, 1, 6, 22, 11, false);
        fill(p, 4, 10, 9, 3, Navy);
        fill(p, 15, 7, 7, 9, Grey);
        bevel(p, 15, 7, 7, 9);
        triangle(p, QPolygon({QPoint(16, 10), QPoint(20, 10), QPoint(18, 12)}), Black);
        break;
    case 9: // list box: lines of items, one chosen, and a scroll bar
        fill(p, 2, 2, 20, 19, White);
        bevel(p, 2, 2, 20, 19, false);
        for (int y = 5; y < 19; y += 4)
            fill(p, 4, y, 10, 2, y == 9 ? Navy : Black);
        fill(p, 16, 3, 5, 17, Grey);
        frame(p, 16, 3, 5, 17, Dark);
        break;
    case 10: // horizontal scroll bar
    case 11: // vertical scroll bar
        scrollBar(p, tool == 10);
        break;
    case 12: // timer: a stopwatch
        p.setRenderHint(QPainter::Antialiasing, true);
        fill(p, 10, 1, 4, 3, Black);
        p.setPen(QPen(Black, 1));
        p.setBrush(White);
        p.drawEllipse(QRectF(4.5, 4.5, 15, 15));
        p.setPen(QPen(Red, 1.5));
        p.drawLine(QPointF(12, 12), QPointF(12, 7));
        p.setPen(QPen(Black, 1.5));
        p.drawLine(QPointF(12, 12), QPointF(16, 13));
        break;
    case 13: // drive list box: a drive in a drop-down field
        fill(p, 1, 6, 22, 11, White);
        bevel(p, 1, 6, 22, 11, false);
        fill(p, 3, 9, 10, 5, Grey);
        frame(p, 3, 9, 10, 5, Black);
        fill(p, 10, 12, 2, 1, Green);
        fill(p, 15, 7, 7, 9, Grey);
        bevel(p, 15, 7, 7, 9);
        triangle(p, QPolygon({QPoint(16, 10), QPoint(20, 10), QPoint(18, 12)}), Black);
        break;
    case 14: // directory list box: open folders one under the other
        fill(p, 2, 2, 20, 19, White);
        bevel(p, 2, 2, 20, 19, false);
        for (int i = 0; i < 3; ++i) {
            const int x = 4 + 4 * i, y = 4 + 5 * i;
            fill(p, x, y + 1, 8, 4, Yellow);
            frame(p, x, y + 1, 8, 4, Olive);
            fill(p, x, y, 4, 1, Olive);
        }
        break;
    case 15: // file list box: a page with a folded corner and lines
        triangle(
            p,
            QPolygon({QPoint(5, 2), QPoint(14, 2), QPoint(19, 7), QPoint(19, 20), QPoint(5, 20)}),
            Black);
        triangle(
            p,
            QPolygon({QPoint(6, 3), QPoint(13, 3), QPoint(18, 8), QPoint(18, 19), QPoint(6, 19)}),
            White);
        frame(p, 13, 3, 6, 6, Black);
        for (int y = 10; y < 18; y += 3)
            fill(p, 8, y, 8, 1, Dark);
        break;
    case 16: // shape: a circle, a square and a triangle over each other
        p.setPen(Black);
        p.setBrush(Red);
        p.drawRect(2, 9, 9, 9);
        p.setBrush(Yellow);
        p.drawEllipse(QRect(9, 3, 10, 10));
        triangle(p, QPolygon({QPoint(12, 20), QPoint(17, 11), QPoint(22, 20)}), Blue);
        break;
    case 17: // line
        p.setPen(QPen(Black, 2));
        p.drawLine(4, 19, 20, 3);
        break;
    case 18: // image: a picture without a frame
        landscape(p, 3, 4, 18, 15);
        frame(p, 3, 4, 18, 15, Maroon);
        break;
    case 19: { // data: the record arrows of the data control
        fill(p, 0, 7, 24, 9, Grey);
        frame(p, 0, 7, 24, 9, Dark);
        const auto arrow = [&](int x, bool right) {
            triangle(p,
                     right ? QPolygon({QPoint(x, 9), QPoint(x + 3, 11), QPoint(x, 13)})
                           : QPolygon({QPoint(x + 3, 9), QPoint(x, 11), QPoint(x + 3, 13)}),
                     Black);
        };
        fill(p, 2, 9, 1, 5, Black);
        arrow(3, false);
        arrow(8, false);
        arrow(13, true);
        arrow(18, true);
        fill(p, 21, 9, 1, 5, Black);
        break;
    }
    default:
        break;
    }
}

// Draws the picture anew at whatever size and scale the icon is asked for.
class PictureEngine : public QIconEngine
{
public:
    explicit PictureEngine(int tool) : m_tool(tool) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 22.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        vbhost::paint(*painter, m_tool);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }
    QIconEngine *clone() const override { return new PictureEngine(m_tool); }

private:
    int m_tool;
};

} // namespace

const QStringList &toolboxTools()
{
    static const QStringList tools{QLatin1String(kPointerTool),  QStringLiteral("PictureBox"),
                                   QStringLiteral("Label"),      QStringLiteral("TextBox"),
                                   QStringLiteral("Frame"),      QStringLiteral("CommandButton"),
                                   QStringLiteral("CheckBox"),   QStringLiteral("OptionButton"),
                                   QStringLiteral("ComboBox"),   QStringLiteral("ListBox"),
                                   QStringLiteral("HScrollBar"), QStringLiteral("VScrollBar"),
                                   QStringLiteral("Timer"),      QStringLiteral("DriveListBox"),
                                   QStringLiteral("DirListBox"), QStringLiteral("FileListBox"),
                                   QStringLiteral("Shape"),      QStringLiteral("Line"),
                                   QStringLiteral("Image"),      QStringLiteral("Data")};
    return tools;
}

QIcon toolboxIcon(const QString &tool)
{
    return QIcon(new PictureEngine(int(toolboxTools().indexOf(tool))));
}

void paintToolboxPicture(QPainter &p, const QString &tool)
{
    paint(p, int(toolboxTools().indexOf(tool)));
}

} // namespace vbhost
