#include "designerfixture.h"
#include "ide/designer/sizehandles.h"
#include "platform/ui/twips.h"

#include <QAction>

using namespace shelltesting;

namespace {

// Left, Top, Width, Height (or X1, Y1, X2, Y2) of each control, in twips.
using Geometry = QList<QList<double>>;

class ResizeTest : public DesignerTest
{
protected:
    Geometry geometry(const QStringList &keys, bool line = false)
    {
        Geometry g;
        for (const QString &key : keys) {
            static const char *const box[] = {"Left", "Top", "Width", "Height"};
            static const char *const ends[] = {"X1", "Y1", "X2", "Y2"};
            QList<double> values;
            for (const char *name : line ? ends : box)
                values << twips(key, name);
            g << values;
        }
        return g;
    }

    QPoint handle(const QList<std::pair<SizeHandle, QPoint>> &handles, SizeHandle h)
    {
        for (const auto &[which, at] : handles) {
            if (which == h)
                return at;
        }
        ADD_FAILURE() << "no such handle";
        return {};
    }

    // The gesture was one undo step: one undo takes the controls back to where they were.
    void expectOneUndoStep(const QStringList &keys, const Geometry &before, bool line = false)
    {
        QTest::qWait(1);
        window->findChild<QAction *>("undo")->trigger();
        EXPECT_EQ(geometry(keys, line), before);
    }

    static double tw(int pixels) { return pixels * ui::twipsPerPixel(); }
};

struct HandleCase
{
    SizeHandle handle;
    QList<double> by; // Left, Top, Width, Height in pixels, for a drag of (8, 4) pixels
};

const HandleCase Handles[] = {
    {SizeHandle::TopLeft, {8, 4, -8, -4}},   {SizeHandle::Top, {0, 4, 0, -4}},
    {SizeHandle::TopRight, {0, 4, 8, -4}},   {SizeHandle::Right, {0, 0, 8, 0}},
    {SizeHandle::BottomRight, {0, 0, 8, 4}}, {SizeHandle::Bottom, {0, 0, 0, 4}},
    {SizeHandle::BottomLeft, {8, 0, -8, 4}}, {SizeHandle::Left, {8, 0, -8, 0}},
};

class HandleTest : public ResizeTest, public ::testing::WithParamInterface<HandleCase>
{
};

} // namespace

TEST_P(HandleTest, DraggingAHandleSizesFromItsEdgesInOneUndoStep)
{
    const HandleCase &c = GetParam();
    click("cmdOK");
    const Geometry before = geometry({"cmdOK"});
    const QPoint at = handle(boxHandles(canvas->controlRect("cmdOK")), c.handle);
    QTest::mouseMove(canvas, at);
    EXPECT_EQ(canvas->cursor().shape(), handleCursor(c.handle));
    drag(at, at + QPoint(8, 4));
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(geometry({"cmdOK"})[0][i], before[0][i] + tw(c.by[i]), 1) << i;
    expectOneUndoStep({"cmdOK"}, before);
}

INSTANTIATE_TEST_SUITE_P(EachHandle, HandleTest, ::testing::ValuesIn(Handles));

TEST_F(ResizeTest, EverySelectedControlTakesTheSameChangeAsFarAsItCan)
{
    // The drop-down list keeps its height, the timer its icon.
    const QStringList keys = {"cmdOK", "cmdCancel", "cboProduct"};
    click("cmdOK");
    ws().setSelection(keys + QStringList{"tmrClock"});
    const Geometry before = geometry(keys);
    const QPointF timer(twips("tmrClock", "Left"), twips("tmrClock", "Top"));
    const QPoint at = handle(boxHandles(canvas->controlRect("cmdCancel")), SizeHandle::TopLeft);
    drag(at, at + QPoint(-10, -6));
    const QList<double> grown = {tw(-10), tw(-6), tw(10), tw(6)};
    const QList<QList<double>> expected = {grown, grown, {tw(-10), 0, tw(10), 0}};
    const Geometry after = geometry(keys);
    for (int k = 0; k < keys.size(); ++k) {
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(after[k][i], before[k][i] + expected[k][i], 1) << keys[k].toStdString();
    }
    EXPECT_EQ(QPointF(twips("tmrClock", "Left"), twips("tmrClock", "Top")), timer);
    expectOneUndoStep(keys, before);
}

TEST_F(ResizeTest, ALinesEndHandleMovesThatEndAlone)
{
    click("linSeparator");
    const Geometry before = geometry({"linSeparator"}, true);
    const auto px = [](double twips) { return ui::twipsToPixels(twips); };
    const QPoint end(px(before[0][2]), px(before[0][3]));
    const QPoint start(px(before[0][0]), px(before[0][1]));
    EXPECT_EQ(handleAt(lineHandles(QLine(start, end)), end), SizeHandle::LineEnd);
    drag(end, end + QPoint(-20, 10));
    const QList<double> expected = {before[0][0], before[0][1], before[0][2] + tw(-20),
                                    before[0][3] + tw(10)};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(geometry({"linSeparator"}, true)[0][i], expected[i], 1) << i;
    expectOneUndoStep({"linSeparator"}, before, true);
}

TEST_F(ResizeTest, TheFormsCornerSizesItsClientArea)
{
    click("cmdOK");
    const QSize size = canvas->size();
    const auto client = [this] {
        return QList<double>{twips({}, "ClientWidth"), twips({}, "ClientHeight"),
                             twips({}, "Width"), twips({}, "Height")};
    };
    const QList<double> before = client();
    const QPoint at = handle(formHandles(size), SizeHandle::BottomRight);
    drag(at, at + QPoint(20, 10));
    EXPECT_TRUE(ws().selection().isEmpty()); // the form is what is sized
    const QList<double> after = client();
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(after[i], before[i] + tw(i % 2 ? 10 : 20), 1) << i;
    EXPECT_EQ(canvas->size(), size + QSize(20, 10));
    QTest::qWait(1);
    window->findChild<QAction *>("undo")->trigger();
    EXPECT_EQ(client(), before);
}

TEST_F(ResizeTest, LockedControlsKeepTheirSize)
{
    click("cmdOK");
    canvas->setLocked(true); // Edit > Lock Controls
    const Geometry before = geometry({"cmdOK"});
    const QPoint at = handle(boxHandles(canvas->controlRect("cmdOK")), SizeHandle::BottomRight);
    QTest::mouseMove(canvas, at);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    drag(at, at + QPoint(20, 10));
    EXPECT_EQ(geometry({"cmdOK"}), before);
}

TEST_F(ResizeTest, EscapeDropsTheDragAndItsOutline)
{
    click("cmdOK");
    const Geometry before = geometry({"cmdOK"});
    const QRect r = canvas->controlRect("cmdOK");
    const QPoint at = handle(boxHandles(r), SizeHandle::Right);
    QTest::mousePress(canvas, Qt::LeftButton, {}, at);
    QTest::mouseMove(canvas, at + QPoint(30, 0));
    ASSERT_TRUE(canvas->isResizing());
    EXPECT_EQ(canvas->resizeOutlines(), QList<QRect>{r.adjusted(0, 0, 30, 0)});
    QTest::keyClick(canvas, Qt::Key_Escape);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, at + QPoint(30, 0));
    EXPECT_FALSE(canvas->isResizing());
    EXPECT_TRUE(canvas->resizeOutlines().isEmpty());
    EXPECT_EQ(geometry({"cmdOK"}), before);
    EXPECT_EQ(ws().selection(), QStringList{"cmdOK"});
}
