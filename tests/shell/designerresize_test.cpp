#include "designerfixture.h"
#include "ide/designer/sizehandles.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QMdiSubWindow>

using namespace shelltesting;

namespace {

class ResizeTest : public DesignerTest
{
protected:
    using Names = QList<const char *>;
    static inline const Names Box = {"Left", "Top", "Width", "Height"};
    static inline const Names Ends = {"X1", "Y1", "X2", "Y2"};
    // The named properties of each control (the form: an empty key), in twips.
    QList<QList<double>> geometry(const QStringList &keys, const Names &names = Box)
    {
        QList<QList<double>> g;
        for (const QString &key : keys) {
            g.append(QList<double>());
            for (const char *name : names)
                g.back() << twips(key, name);
        }
        return g;
    }

    static QPoint handle(const QList<std::pair<SizeHandle, QPoint>> &handles, SizeHandle h)
    {
        const auto it = std::find_if(handles.begin(), handles.end(),
                                     [h](const auto &handle) { return handle.first == h; });
        return it == handles.end() ? QPoint() : it->second;
    }

    // Each value moved by the given pixels (twips within a rounding).
    void expectMovedBy(const QList<QList<double>> &before, const QList<QList<double>> &after,
                       const QList<QList<int>> &pixels)
    {
        for (qsizetype k = 0; k < before.size(); ++k) {
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(after[k][i], before[k][i] + pixels[k][i] * ui::twipsPerPixel(), 1)
                    << k << ' ' << i;
        }
    }

    void undo()
    {
        QTest::qWait(1); // the gesture's step closes when the loop goes idle
        window->findChild<QAction *>("undo")->trigger();
    }
};

} // namespace

TEST_F(ResizeTest, EverySelectedControlTakesTheSameChangeAsFarAsItCanInOneUndoStep)
{
    // The drop-down list keeps its height, the timer its icon.
    const QStringList keys = {"cmdOK", "cmdCancel", "cboProduct"};
    click("cmdOK");
    ws().setSelection(keys + QStringList{"tmrClock"});
    const auto before = geometry(keys);
    const auto timer = geometry({"tmrClock"}, {"Left", "Top"});
    const QPoint at = handle(boxHandles(canvas->controlRect("cmdCancel")), SizeHandle::TopLeft);
    QTest::mouseMove(canvas, at);
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeFDiagCursor);
    drag(at, at + QPoint(-10, -6));
    expectMovedBy(before, geometry(keys), {{-10, -6, 10, 6}, {-10, -6, 10, 6}, {-10, 0, 10, 0}});
    EXPECT_EQ(geometry({"tmrClock"}, {"Left", "Top"}), timer);
    undo();
    EXPECT_EQ(geometry(keys), before);
}

TEST_F(ResizeTest, ALinesEndHandleMovesThatEndAlone)
{
    click("linSeparator");
    const auto before = geometry({"linSeparator"}, Ends);
    const auto px = [](double twips) { return ui::twipsToPixels(twips); };
    const QPoint end(px(before[0][2]), px(before[0][3]));
    drag(end, end + QPoint(-20, 10));
    expectMovedBy(before, geometry({"linSeparator"}, Ends), {{0, 0, -20, 10}});
    undo();
    EXPECT_EQ(geometry({"linSeparator"}, Ends), before);
}

TEST_F(ResizeTest, TheFormsCornerSizesItsClientAreaAndItsWindow)
{
    click("cmdOK");
    const QSize size = canvas->size();
    const auto *frame = qobject_cast<QMdiSubWindow *>(designer->parentWidget());
    ASSERT_NE(frame, nullptr);
    const QSize frameSize = frame->size();
    const auto form = [this] {
        return geometry({QString()}, {"ClientWidth", "ClientHeight", "Width", "Height"});
    };
    const auto before = form();
    const QPoint at = handle(formHandles(size), SizeHandle::BottomRight);
    drag(at, at + QPoint(20, 10));
    EXPECT_TRUE(ws().selection().isEmpty()); // the form is what is sized
    expectMovedBy(before, form(), {{20, 10, 20, 10}});
    EXPECT_EQ(canvas->size(), size + QSize(20, 10));
    EXPECT_EQ(frame->size(), frameSize + QSize(20, 10));
    undo();
    EXPECT_EQ(form(), before);
    EXPECT_EQ(frame->size(), frameSize);
}

TEST_F(ResizeTest, LockedControlsKeepTheirSize)
{
    click("cmdOK");
    canvas->setLocked(true); // Edit > Lock Controls
    const auto before = geometry({"cmdOK"});
    const QPoint at = handle(boxHandles(canvas->controlRect("cmdOK")), SizeHandle::BottomRight);
    QTest::mouseMove(canvas, at);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    drag(at, at + QPoint(20, 10));
    EXPECT_EQ(geometry({"cmdOK"}), before);
}

TEST_F(ResizeTest, EscapeDropsTheDragAndItsOutline)
{
    click("cmdOK");
    const auto before = geometry({"cmdOK"});
    const QRect r = canvas->controlRect("cmdOK");
    const QPoint at = handle(boxHandles(r), SizeHandle::Right);
    QTest::mousePress(canvas, Qt::LeftButton, {}, at);
    QTest::mouseMove(canvas, at + QPoint(30, 0));
    ASSERT_TRUE(canvas->isResizing());
    EXPECT_EQ(canvas->resizeOutlines(), QList<QRect>{r.adjusted(0, 0, 30, 0)});
    QTest::keyClick(canvas, Qt::Key_Escape);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, at + QPoint(30, 0));
    EXPECT_FALSE(canvas->isResizing());
    EXPECT_EQ(geometry({"cmdOK"}), before);
}
