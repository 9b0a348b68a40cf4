#include "ide/designer/classicdraw.h"
#include "ide/designer/controlpainter_p.h"
#include "ide/designer/picturecache.h"
#include "platform/ui/twips.h"

#include <QPainter>
#include <QPainterPath>

namespace vbhost {

namespace {

// Shape and Line BorderStyle: transparent, solid, dash, dot, dash-dot, dash-dot-dot, inside
// solid. Windows draws a pen wider than one pixel solid whatever its style.
QPen borderPen(const ControlLook &look)
{
    static const Qt::PenStyle styles[] = {Qt::NoPen,    Qt::SolidLine,   Qt::DashLine,
                                          Qt::DotLine,  Qt::DashDotLine, Qt::DashDotDotLine,
                                          Qt::SolidLine};
    const int s = look.borderStyle >= 0 && look.borderStyle <= 6 ? look.borderStyle : 1;
    Qt::PenStyle style = styles[s];
    if (look.borderWidth > 1 && style != Qt::NoPen)
        style = Qt::SolidLine;
    QPen pen(argbColour(look.borderColour), look.borderWidth, style, Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

// FillStyle: solid, transparent, horizontal, vertical, upward and downward diagonal, cross,
// diagonal cross.
Qt::BrushStyle fillPattern(int fillStyle)
{
    static const Qt::BrushStyle patterns[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillStyle >= 0 && fillStyle <= 7 ? patterns[fillStyle] : Qt::NoBrush;
}

} // namespace

void paintShape(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const ControlLook &look = paint.look;
    QRectF r = paint.r;
    // Square, circle and rounded square: the largest one centred in the control.
    if (look.shape == 1 || look.shape == 3 || look.shape == 5) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    const QPen pen = borderPen(look);
    const double inset = pen.style() == Qt::NoPen ? 0 : look.borderWidth / 2.0;
    r = r.adjusted(inset, inset, -inset, -inset);
    QPainterPath path;
    if (look.shape == 2 || look.shape == 3) {
        path.addEllipse(r);
    } else if (look.shape == 4 || look.shape == 5) {
        const double radius = std::min(r.width(), r.height()) / 6;
        path.addRoundedRect(r, radius, radius);
    } else {
        path.addRect(r);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, look.shape >= 2);
    if (look.backStyle == 1)
        p.fillPath(path, argbColour(look.backColour));
    if (const Qt::BrushStyle pattern = fillPattern(look.fillStyle); pattern != Qt::NoBrush)
        p.fillPath(path, QBrush(argbColour(look.fillColour), pattern));
    p.strokePath(path, pen);
    p.restore();
}

void paintLine(const ControlPaint &paint)
{
    const DesignControl &c = paint.control;
    const QPoint origin = paint.r.normalized().topLeft() + QPoint(2, 2);
    // Endpoints from the bounds: the rectangle itself lost the line's direction.
    const int x1 = ui::twipsToPixels(c.bounds.left());
    const int y1 = ui::twipsToPixels(c.bounds.top());
    const int x2 = ui::twipsToPixels(c.bounds.left() + c.bounds.width());
    const int y2 = ui::twipsToPixels(c.bounds.top() + c.bounds.height());
    const QPoint shift = origin - QPoint(std::min(x1, x2), std::min(y1, y2));
    QPen pen = borderPen(paint.look);
    pen.setCapStyle(Qt::RoundCap);
    paint.p.save();
    paint.p.setPen(pen);
    paint.p.drawLine(QPoint(x1, y1) + shift, QPoint(x2, y2) + shift);
    paint.p.restore();
}

void paintImage(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const bool hasPicture = paint.picture && paint.picture->kind != PictureKind::None;
    if (hasPicture) {
        p.save();
        p.setClipRect(paint.r, Qt::IntersectClip);
        paintPicture(p, paint.r, *paint.picture, paint.look.stretch, paint.font);
        p.restore();
    }
    if (paint.look.borderStyle != 0)
        paintControlBorder(paint, true);
    else if (!hasPicture) {
        // An empty image shows only its outline at design time.
        p.save();
        p.setPen(QPen(systemColour(16), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(paint.r.adjusted(0, 0, -1, -1));
        p.restore();
    }
}

void paintPictureBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    p.fillRect(paint.r, argbColour(paint.look.backColour));
    const int border = paintControlBorder(paint, paint.look.borderStyle != 0);
    if (paint.picture && paint.picture->kind != PictureKind::None) {
        const QRect client = paint.r.adjusted(border, border, -border, -border);
        p.save();
        p.setClipRect(client, Qt::IntersectClip);
        paintPicture(p, client, *paint.picture, false, paint.font);
        p.restore();
    }
}

void paintPicture(QPainter &p, const QRect &r, const DesignPicture &picture, bool stretch,
                  const QFont &font)
{
    if (!picture.image.isNull()) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (stretch)
            p.drawImage(r, picture.image);
        else
            p.drawImage(r.topLeft(), picture.image);
        p.restore();
        return;
    }
    if (picture.kind == PictureKind::None && picture.problem.isEmpty())
        return;
    // What cannot be drawn here keeps its place, framed, with what it is.
    const QString kind = pictureKindName(picture.kind);
    const QString label = picture.problem.isEmpty()
                              ? kind
                              : (kind.isEmpty() ? QStringLiteral("?") : kind + QStringLiteral("?"));
    p.save();
    p.setPen(QPen(systemColour(16), 1));
    p.setBrush(Qt::NoBrush);
    const QRect frame = r.adjusted(1, 1, -2, -2);
    p.drawRect(frame);
    p.drawLine(frame.topLeft(), frame.topLeft() + QPoint(6, 6));
    p.setFont(font);
    p.setPen(systemColour(18));
    p.drawText(frame, Qt::AlignCenter, label);
    p.restore();
}

} // namespace vbhost
