#include "aboutpictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tolvar {

namespace {

// The sixteen-colour palette the icon keeps to.
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);
const QColor Teal(0, 128, 128);
const QColor Yellow(255, 255, 0);

void drawWindow(QPainter &p, const QRect &r, const QColor &title)
{
    p.setPen(Black);
    p.setBrush(White);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 4), title);
}

} // namespace

QPixmap aboutIconPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);

    // The document window and its lines of text.
    drawWindow(p, QRect(1, 2, 25, 25), Navy);
    p.setPen(Grey);
    for (int y = 10; y <= 24; y += 3)
        p.drawLine(4, y, y % 2 ? 21 : 17, y);

    // The dialog in front of the lower right corner, with its button.
    p.fillRect(QRect(16, 17, 16, 14), Black);
    drawWindow(p, QRect(14, 15, 16, 14), Teal);
    p.fillRect(QRect(15, 20, 14, 8), Silver);
    p.fillRect(QRect(16, 21, 3, 3), Yellow);
    p.setPen(Black);
    p.setBrush(Silver);
    p.drawRect(QRect(20, 24, 7, 3));
    p.setPen(White);
    p.drawLine(21, 25, 25, 25);
    return picture;
}

QPixmap splashPicture()
{
    QPixmap picture(SplashPictureWidth, SplashPictureHeight);
    picture.fill(QColor(200, 200, 200));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect face = picture.rect();

    // The raised edge: light above and left, dark below and right, two pixels deep.
    for (int i = 0; i < 2; ++i) {
        const QRect r = face.adjusted(i, i, -1 - i, -1 - i);
        p.setPen(i == 0 ? QColor(240, 240, 240) : QColor(225, 225, 225));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(i == 0 ? QColor(64, 64, 64) : QColor(128, 128, 128));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }

    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(32, 32, 32));
    const QRect corner(200, 8, 268, 28);
    p.drawText(corner, Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("Copyright © Vantix Software"));
    p.drawText(corner, Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("A 32-bit add-in for Visual Basic 4.0"));

    QFont company(QStringLiteral("Arial"));
    company.setPixelSize(20);
    company.setBold(true);
    p.setFont(company);
    p.setPen(Black);
    p.drawText(QRect(18, 30, 300, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vantix Software"));

    // The product name, filled with a blue that darkens from top to bottom.
    QFont product(QStringLiteral("Times New Roman"));
    product.setPixelSize(62);
    product.setBold(true);
    product.setItalic(true);
    QPainterPath name;
    const QString productName = QStringLiteral("Tolvar Add-In");
    name.addText(0, 0, product, productName);
    const QRectF bounds = name.boundingRect();
    name.translate((face.width() - bounds.width()) / 2 - bounds.left(), 122 - bounds.bottom());
    const QRectF placed = name.boundingRect();
    QLinearGradient blue(placed.topLeft(), placed.bottomLeft());
    blue.setColorAt(0, QColor(150, 190, 255));
    blue.setColorAt(1, QColor(0, 0, 140));
    p.fillPath(name.translated(2, 2), QColor(120, 120, 120));
    p.fillPath(name, blue);

    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(16);
    version.setBold(true);
    p.setFont(version);
    p.setPen(QColor(0, 0, 100));
    p.drawText(QRect(200, 128, 260, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version 2.0"));

    p.setPen(QColor(128, 128, 128));
    p.drawLine(12, 172, face.width() - 13, 172);
    p.setFont(small);
    p.setPen(QColor(32, 32, 32));
    p.drawText(QRect(10, 176, face.width() - 20, 18), Qt::AlignCenter,
               QStringLiteral("This add-in is protected by copyright law; unlicensed copying or "
                              "distribution is not permitted."));
    return picture;
}

} // namespace tolvar
