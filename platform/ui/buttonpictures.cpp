#include "buttonpictures.h"

#include <QPainter>

namespace ui {

namespace {

// Resting pictures are in greys, slightly faded, so that the colour marks the active button.
QPixmap toGrey(const QImage &colour)
{
    QImage grey = colour.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int g = 40 + qGray(row[x]) * 3 / 4;
            row[x] = qRgba(g, g, g, qAlpha(row[x]));
        }
    }
    return QPixmap::fromImage(grey);
}

void frame(QPainter &p, bool raised)
{
    const QRect r(0, 0, ButtonPictureSize, ButtonPictureSize);
    p.fillRect(r, QColor(222, 222, 218));
    const QColor light = Qt::white;
    const QColor shade(128, 128, 128);
    const QColor dark(64, 64, 64);
    p.setPen(raised ? light : dark);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? dark : light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(shade);
    if (raised) {
        p.drawLine(1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, 1, r.right() - 1, r.bottom() - 1);
    } else {
        p.drawLine(1, 1, r.right() - 1, 1);
        p.drawLine(1, 1, 1, r.bottom() - 1);
    }
}

} // namespace

QImage emptySymbol()
{
    QImage symbol(ButtonPictureSize, ButtonPictureSize, QImage::Format_ARGB32_Premultiplied);
    symbol.fill(Qt::transparent);
    return symbol;
}

QPixmap buttonPicture(const QImage &symbol, ButtonPicture state)
{
    if (state == ButtonPicture::Up)
        return toGrey(symbol);

    QPixmap picture(ButtonPictureSize, ButtonPictureSize);
    QPainter p(&picture);
    frame(p, state == ButtonPicture::Dn);
    // The pressed symbol moves down and right with the sunken face.
    p.drawImage(state == ButtonPicture::Ck ? QPoint(1, 1) : QPoint(0, 0), symbol);
    return picture;
}

} // namespace ui
