#include "ide/designer/designlayout.h"

#include <gtest/gtest.h>

using namespace vbhost;

namespace {

// A form at 15 twips a pixel: a frame holding two option buttons, a button overlapping the
// frame's corner (later in the file, so in front), a timer, and a line.
DesignLayout sampleLayout()
{
    QList<DesignControl> c;
    c << DesignControl{"Frame1", "Frame", QRectF(150, 150, 1500, 1500), -1};            // 0
    c << DesignControl{"Option1(0)", "OptionButton", QRectF(150, 300, 900, 300), 0};    // 1
    c << DesignControl{"Option1(1)", "OptionButton", QRectF(150, 900, 3000, 300), 0};   // 2
    c << DesignControl{"Command1", "CommandButton", QRectF(1500, 1500, 1200, 450), -1}; // 3
    c << DesignControl{"Timer1", "Timer", QRectF(3000, 0, 0, 0), -1};                   // 4
    DesignControl line{"Line1", "Line", QRectF(0, 3000, 1500, 0), -1};
    line.isLine = true;
    c << line; // 5
    return DesignLayout(c, 15.0);
}

} // namespace

TEST(DesignLayoutTest, ChildRectsIncludeTheirContainersOffset)
{
    const DesignLayout l = sampleLayout();
    EXPECT_EQ(l.rectOf(0), QRect(10, 10, 100, 100));
    EXPECT_EQ(l.rectOf(1), QRect(20, 30, 60, 20));
}

TEST(DesignLayoutTest, ControlsInvisibleAtRunTimeKeepAFixedIcon)
{
    const DesignLayout l = sampleLayout();
    EXPECT_EQ(l.rectOf(4).size(), QSize(kIconPixels, kIconPixels));
    EXPECT_EQ(l.hitTest(QPoint(210, 10)), 4);
}

TEST(DesignLayoutTest, ChildIsHitBeforeItsContainer)
{
    const DesignLayout l = sampleLayout();
    EXPECT_EQ(l.hitTest(QPoint(25, 35)), 1);
    EXPECT_EQ(l.hitTest(QPoint(15, 90)), 0); // inside the frame, on no child
}

TEST(DesignLayoutTest, LaterSiblingIsInFront)
{
    const DesignLayout l = sampleLayout();
    // (105, 105) lies in the frame and in the button that overlaps it.
    EXPECT_EQ(l.hitTest(QPoint(105, 105)), 3);
}

TEST(DesignLayoutTest, PartOfAChildOutsideItsContainerIsNotThere)
{
    const DesignLayout l = sampleLayout();
    // Option1(1) reaches to x = 210 but the frame ends at 110.
    EXPECT_EQ(l.hitTest(QPoint(150, 75)), -1);
    EXPECT_EQ(l.hitTest(QPoint(100, 75)), 2);
}

TEST(DesignLayoutTest, EmptyFormIsHitAsTheForm)
{
    EXPECT_EQ(sampleLayout().hitTest(QPoint(400, 400)), -1);
}

TEST(DesignLayoutTest, LineIsHitNearIt)
{
    const DesignLayout l = sampleLayout();
    EXPECT_EQ(l.hitTest(QPoint(50, 201)), 5);
    EXPECT_EQ(l.hitTest(QPoint(50, 210)), -1);
}

TEST(DesignLayoutTest, BandTakesTouchedControlsOfOneContainerInFileOrder)
{
    const DesignLayout l = sampleLayout();
    // Touches the frame, the button and (inside the frame) both option buttons.
    EXPECT_EQ(l.inBand(QRect(QPoint(180, 120), QPoint(60, 40)), -1),
              QStringList({"Frame1", "Command1"}));
    EXPECT_EQ(l.inBand(QRect(15, 25, 30, 50), 0), QStringList({"Option1(0)", "Option1(1)"}));
}

TEST(DesignLayoutTest, ContainerLoopsAreBroken)
{
    QList<DesignControl> c;
    c << DesignControl{"A", "Frame", QRectF(0, 0, 300, 300), 1};
    c << DesignControl{"B", "Frame", QRectF(0, 0, 300, 300), 0};
    c << DesignControl{"C", "Label", QRectF(0, 0, 300, 300), 7};
    const DesignLayout l(c, 15.0);
    EXPECT_EQ(l.paintOrder().size(), 3);
    EXPECT_EQ(l.controls()[2].parent, -1);
    EXPECT_GE(l.hitTest(QPoint(5, 5)), 0);
}

TEST(DesignLayoutTest, PixelsBackToTwipsAtTheScale)
{
    EXPECT_EQ(DesignLayout({}, 15.0).toTwips(7), 105);
    EXPECT_EQ(DesignLayout({}, 12.0).toTwips(-3), -36);
}

TEST(SelectionTest, ClickSelectsAlone)
{
    EXPECT_EQ(clickSelection({"A", "B"}, "C", false), QStringList({"C"}));
}

TEST(SelectionTest, ClickOnASelectedControlKeepsTheGroupForDragging)
{
    EXPECT_EQ(clickSelection({"A", "B"}, "b", false), QStringList({"A", "B"}));
}

TEST(SelectionTest, CtrlClickAppendsInOrderAndTakesOut)
{
    QStringList s = clickSelection({}, "B", true);
    s = clickSelection(s, "A", true);
    s = clickSelection(s, "C", true);
    EXPECT_EQ(s, QStringList({"B", "A", "C"}));
    s = clickSelection(s, "B", true);
    EXPECT_EQ(s, QStringList({"A", "C"})); // A is now the reference
}

TEST(SelectionTest, ClickOnTheFormClearsUnlessCtrl)
{
    EXPECT_TRUE(clickSelection({"A"}, QString(), false).isEmpty());
    EXPECT_EQ(clickSelection({"A"}, QString(), true), QStringList({"A"}));
}

TEST(SelectionTest, BandReplacesOrAddsWithoutDuplicates)
{
    EXPECT_EQ(bandSelection({"X"}, {"A", "B"}, false), QStringList({"A", "B"}));
    EXPECT_EQ(bandSelection({"B", "X"}, {"A", "B"}, true), QStringList({"B", "X", "A"}));
}

TEST(SelectionTest, BandRectWhicheverWayTheMouseWent)
{
    EXPECT_EQ(bandRect(QPoint(50, 40), QPoint(10, 60)), QRect(QPoint(10, 40), QPoint(50, 60)));
}

TEST(DesignLayoutTest, DeepNestingIsLaidOutOnceAndClippedByEveryContainer)
{
    // 2,500 frames, each inside the last one and 15 twips (one pixel) further in.
    QList<DesignControl> c;
    for (int i = 0; i < 2500; ++i)
        c << DesignControl{QStringLiteral("Frame%1").arg(i), "Frame",
                           QRectF(15, 15, 60000 - 15 * i, 60000), i - 1};
    const DesignLayout l(c, 15.0);
    EXPECT_EQ(l.rectOf(2499).topLeft(), QPoint(2500, 2500));
    EXPECT_EQ(l.visibleRectOf(2499).right(), l.rectOf(0).right());
    EXPECT_EQ(l.paintOrder().size(), 2500);
    EXPECT_EQ(l.paintOrder().back(), 2499);
    EXPECT_EQ(l.hitTest(QPoint(3000, 3000)), 2499);
    EXPECT_EQ(l.visibleRectOf(2499).bottom(), l.rectOf(0).bottom());
    EXPECT_EQ(l.indexOf("frame1234"), 1234);
}
