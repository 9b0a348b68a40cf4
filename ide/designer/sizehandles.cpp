#include "sizehandles.h"

#include <algorithm>

namespace vbhost {

namespace {

bool carriesLeft(SizeHandle h)
{
    return h == SizeHandle::TopLeft || h == SizeHandle::Left || h == SizeHandle::BottomLeft;
}

bool carriesRight(SizeHandle h)
{
    return h == SizeHandle::TopRight || h == SizeHandle::Right || h == SizeHandle::BottomRight;
}

bool carriesTop(SizeHandle h)
{
    return h == SizeHandle::TopLeft || h == SizeHandle::Top || h == SizeHandle::TopRight;
}

bool carriesBottom(SizeHandle h)
{
    return h == SizeHandle::BottomLeft || h == SizeHandle::Bottom || h == SizeHandle::BottomRight;
}

bool isCorner(SizeHandle h)
{
    return (carriesLeft(h) || carriesRight(h)) && (carriesTop(h) || carriesBottom(h));
}

} // namespace

QRect handleSquare(const QPoint &centre)
{
    return QRect(centre - QPoint(kHandlePixels / 2, kHandlePixels / 2),
                 QSize(kHandlePixels, kHandlePixels));
}

QList<std::pair<SizeHandle, QPoint>> boxHandles(const QRect &r)
{
    const QPoint c = r.center();
    return {
        {SizeHandle::TopLeft, r.topLeft()},         {SizeHandle::Top, QPoint(c.x(), r.top())},
        {SizeHandle::TopRight, r.topRight()},       {SizeHandle::Right, QPoint(r.right(), c.y())},
        {SizeHandle::BottomRight, r.bottomRight()}, {SizeHandle::Bottom, QPoint(c.x(), r.bottom())},
        {SizeHandle::BottomLeft, r.bottomLeft()},   {SizeHandle::Left, QPoint(r.left(), c.y())}};
}

QList<std::pair<SizeHandle, QPoint>> lineHandles(const QLine &line)
{
    return {{SizeHandle::LineStart, line.p1()}, {SizeHandle::LineEnd, line.p2()}};
}

QList<std::pair<SizeHandle, QPoint>> formHandles(const QSize &client)
{
    const int inset = kHandlePixels / 2;
    const int right = client.width() - inset, bottom = client.height() - inset;
    return {{SizeHandle::Right, QPoint(right, client.height() / 2)},
            {SizeHandle::BottomRight, QPoint(right, bottom)},
            {SizeHandle::Bottom, QPoint(client.width() / 2, bottom)}};
}

SizeHandle handleAt(const QList<std::pair<SizeHandle, QPoint>> &handles, const QPoint &pixel)
{
    SizeHandle found = SizeHandle::None;
    for (const auto &[h, centre] : handles) {
        if (!handleSquare(centre).adjusted(-1, -1, 1, 1).contains(pixel))
            continue;
        if (isCorner(h) || h == SizeHandle::LineStart || h == SizeHandle::LineEnd)
            return h;
        if (found == SizeHandle::None)
            found = h;
    }
    return found;
}

bool movesTopOrBottom(SizeHandle h)
{
    return carriesTop(h) || carriesBottom(h);
}

QRectF resizedRect(const QRectF &r, SizeHandle h, const QPointF &delta)
{
    double left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    if (carriesLeft(h))
        left = std::min(left + delta.x(), right);
    if (carriesRight(h))
        right = std::max(right + delta.x(), left);
    if (carriesTop(h))
        top = std::min(top + delta.y(), bottom);
    if (carriesBottom(h))
        bottom = std::max(bottom + delta.y(), top);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QLineF movedLineEnd(const QLineF &line, SizeHandle end, const QPointF &delta)
{
    QLineF moved = line;
    if (end == SizeHandle::LineStart)
        moved.setP1(line.p1() + delta);
    else if (end == SizeHandle::LineEnd)
        moved.setP2(line.p2() + delta);
    return moved;
}

Qt::CursorShape handleCursor(SizeHandle h, bool fixedHeight)
{
    if (h == SizeHandle::None)
        return Qt::ArrowCursor;
    if (fixedHeight || !movesTopOrBottom(h))
        return Qt::SizeHorCursor;
    if (!carriesLeft(h) && !carriesRight(h))
        return Qt::SizeVerCursor;
    return carriesLeft(h) == carriesTop(h) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

Qt::CursorShape lineEndCursor(const QLine &line)
{
    if (line.dx() == 0)
        return Qt::SizeVerCursor;
    if (line.dy() == 0)
        return Qt::SizeHorCursor;
    return (line.dx() > 0) == (line.dy() > 0) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

bool hasFixedHeight(const QString &className, int style)
{
    if (className.compare(QLatin1String("DriveListBox"), Qt::CaseInsensitive) == 0)
        return true;
    return className.compare(QLatin1String("ComboBox"), Qt::CaseInsensitive) == 0 && style != 1;
}

} // namespace vbhost
