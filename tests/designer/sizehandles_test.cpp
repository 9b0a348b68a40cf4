#include "ide/designer/sizehandles.h"

#include <gtest/gtest.h>

using namespace vbhost;

namespace {

struct Drag
{
    SizeHandle handle;
    QPointF delta;
    QRectF expected; // from (100, 100, 200, 100)
    Qt::CursorShape cursor;
};

const Drag Drags[] = {
    {SizeHandle::TopLeft, {10, 20}, {110, 120, 190, 80}, Qt::SizeFDiagCursor},
    {SizeHandle::Top, {10, 20}, {100, 120, 200, 80}, Qt::SizeVerCursor},
    {SizeHandle::TopRight, {10, 20}, {100, 120, 210, 80}, Qt::SizeBDiagCursor},
    {SizeHandle::Right, {10, 20}, {100, 100, 210, 100}, Qt::SizeHorCursor},
    {SizeHandle::BottomRight, {10, 20}, {100, 100, 210, 120}, Qt::SizeFDiagCursor},
    {SizeHandle::Bottom, {10, 20}, {100, 100, 200, 120}, Qt::SizeVerCursor},
    {SizeHandle::BottomLeft, {10, 20}, {110, 100, 190, 120}, Qt::SizeBDiagCursor},
    {SizeHandle::Left, {10, 20}, {110, 100, 190, 100}, Qt::SizeHorCursor},
    // Past the opposite edge: the size stops at zero, the opposite edge stays.
    {SizeHandle::TopLeft, {500, 500}, {300, 200, 0, 0}, Qt::SizeFDiagCursor},
    {SizeHandle::BottomRight, {-500, -500}, {100, 100, 0, 0}, Qt::SizeFDiagCursor},
};

class HandleDragTest : public ::testing::TestWithParam<Drag>
{
};

} // namespace

TEST_P(HandleDragTest, TheHandlesEdgesMoveAndTheOppositeOnesStay)
{
    const Drag &d = GetParam();
    EXPECT_EQ(resizedRect(QRectF(100, 100, 200, 100), d.handle, d.delta), d.expected);
    EXPECT_EQ(handleCursor(d.handle), d.cursor);
}

INSTANTIATE_TEST_SUITE_P(EveryHandle, HandleDragTest, ::testing::ValuesIn(Drags));

TEST(SizeHandlesTest, EachHandleIsFoundAtItsPlaceAndNowhereElse)
{
    const QRect box(20, 20, 60, 40);
    const QLine line(10, 90, 70, 30);
    for (const auto &handles : {boxHandles(box), lineHandles(line), formHandles(QSize(300, 200))}) {
        for (const auto &[h, centre] : handles) {
            EXPECT_EQ(handleAt(handles, centre), h);
            EXPECT_TRUE(QRect(0, 0, 300, 200).contains(handleSquare(centre)));
        }
        EXPECT_EQ(handleAt(handles, QPoint(150, 150)), SizeHandle::None);
    }
    // A control too small to tell its handles apart is sized from a corner.
    EXPECT_EQ(handleAt(boxHandles(QRect(20, 20, 2, 2)), QPoint(21, 21)), SizeHandle::TopLeft);
}

TEST(SizeHandlesTest, PointersFollowALinesSlopeAndRunSidewaysForAFixedHeight)
{
    EXPECT_EQ(lineEndCursor(QLine(0, 0, 100, 50)), Qt::SizeFDiagCursor);
    EXPECT_EQ(lineEndCursor(QLine(0, 50, 100, 0)), Qt::SizeBDiagCursor);
    EXPECT_EQ(lineEndCursor(QLine(0, 5, 100, 5)), Qt::SizeHorCursor);
    EXPECT_EQ(handleCursor(SizeHandle::TopLeft, true), Qt::SizeHorCursor);
}
