#pragma once

#include <QLine>
#include <QLineF>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <Qt>
#include <utility>

namespace vbhost {

// The handles a selected control is sized by: eight around a box, clockwise from its top-left
// corner, or the two end points of a line.
enum class SizeHandle {
    None,
    TopLeft,
    Top,
    TopRight,
    Right,
    BottomRight,
    Bottom,
    BottomLeft,
    Left,
    LineStart, // X1, Y1
    LineEnd    // X2, Y2
};

// Side of a handle's square, in pixels.
constexpr int kHandlePixels = 6;

// The square drawn for a handle centred on a point.
QRect handleSquare(const QPoint &centre);
// The eight handles around a pixel rectangle, TopLeft first, as they are drawn.
QList<std::pair<SizeHandle, QPoint>> boxHandles(const QRect &r);
// A line's two handles, at its end points.
QList<std::pair<SizeHandle, QPoint>> lineHandles(const QLine &line);
// The form's own handles: the right edge, the bottom edge and the corner of its client area,
// drawn just inside it.
QList<std::pair<SizeHandle, QPoint>> formHandles(const QSize &client);
// The handle under the point (a pixel of slack around each square); corners before edges, so
// that a control too small to tell them apart still sizes both ways.
SizeHandle handleAt(const QList<std::pair<SizeHandle, QPoint>> &handles, const QPoint &pixel);

bool movesTopOrBottom(SizeHandle h);

// The rectangle after dragging handle h by delta: the edges the handle carries move, the
// opposite ones stay. An edge dragged past its opposite stops there, at a size of zero.
QRectF resizedRect(const QRectF &r, SizeHandle h, const QPointF &delta);
// The line after dragging one of its end handles by delta; the other end stays.
QLineF movedLineEnd(const QLineF &line, SizeHandle end, const QPointF &delta);

// The size pointer over a handle: after a box handle's edges, a line end's slope. A control of
// fixed height sizes sideways only, even at its corners.
Qt::CursorShape handleCursor(SizeHandle h, bool fixedHeight = false);
Qt::CursorShape lineEndCursor(const QLine &line);

// Drop-down combo boxes (Style 0 and 2) and drive lists are as tall as their font: sizing leaves
// their top and bottom where they are.
bool hasFixedHeight(const QString &className, int style);

} // namespace vbhost
