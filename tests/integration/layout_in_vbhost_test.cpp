// The add-in's tool window driving vbhost's object model over the demo project's real files:
// a click on a layout button changes the selected controls, marks the project modified and is
// undone in one step.

#include "addinsession.h"

#include "addin/toolwindow/toolwindow.h"
#include "fakeservices.h"
#include "ide/designer/formcanvas.h"
#include "ide/model/workspace.h"
#include "ide/shell/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Box
{
    double left, top, width, height;
    bool operator==(const Box &) const = default;
};

void copyDemo(const QString &to)
{
    const QDir from(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/examples/Demo");
    ASSERT_TRUE(from.exists()) << qPrintable(from.path());
    for (const QString &name : from.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from.filePath(name), to + "/" + name));
}

// The three controls the developer selects, in selection order.
const QStringList Selected = {"cmdAdd", "txtQuantity", "cmdRemove"};

struct ButtonCase
{
    const char *button;
    // The boxes expected after the click, from the boxes before it (selection order).
    QList<Box> (*expected)(QList<Box>);
};

// Near edges line up on the smallest position, far edges on the largest position + extent.
template <double Box::*position> QList<Box> alignNear(QList<Box> b)
{
    double r = b[0].*position;
    for (auto &x : b)
        r = std::min(r, x.*position);
    for (auto &x : b)
        x.*position = r;
    return b;
}

template <double Box::*position, double Box::*extent> QList<Box> alignFar(QList<Box> b)
{
    double r = 0;
    for (auto &x : b)
        r = std::max(r, x.*position + x.*extent);
    for (auto &x : b)
        x.*position = r - x.*extent;
    return b;
}

QList<Box> sameWidth(QList<Box> b)
{
    for (auto &x : b)
        x.width = b[0].width;
    return b;
}

QList<Box> sameHeight(QList<Box> b)
{
    for (auto &x : b)
        x.height = b[0].height;
    return b;
}

QList<Box> sameSize(QList<Box> b)
{
    return sameHeight(sameWidth(b));
}

class LayoutInVbhostTest : public ::testing::TestWithParam<ButtonCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(project.isValid());
        copyDemo(project.path());
        workspace.open(project.filePath("Demo.vbp"));
        for (const auto &doc : workspace.documents())
            if (doc.name == "frmMain")
                formId = doc.id;
        ASSERT_GE(formId, 0);
        workspace.setActiveForm(formId);
        workspace.setSelection(Selected);
        ASSERT_EQ(workspace.selection(), Selected);
        session = std::make_unique<AddInSession>(workspace, &fake);
        ASSERT_NE(tolvar::toolWindow(), nullptr);
    }

    void TearDown() override { session.reset(); }

    QList<Box> boxes() const
    {
        QList<Box> result;
        const auto all = workspace.controls(formId);
        for (const QString &key : Selected) {
            auto it = std::find_if(all.begin(), all.end(),
                                   [&](const vbhost::ControlInfo &c) { return c.key == key; });
            EXPECT_NE(it, all.end()) << qPrintable(key);
            if (it != all.end())
                result << Box{it->left, it->top, it->width, it->height};
        }
        return result;
    }

    QTemporaryDir project;
    vbhost::Workspace workspace;
    int formId = -1;
    ui::FakeServices fake;
    std::unique_ptr<AddInSession> session;
};

TEST_P(LayoutInVbhostTest, ButtonChangesSelectionAndUndoesInOneStep)
{
    const QList<Box> before = boxes();
    ASSERT_EQ(before.size(), 3);
    EXPECT_FALSE(workspace.isModified());

    QWidget *button = tolvar::toolWindow()->findChild<QWidget *>(GetParam().button);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);

    const QList<Box> after = boxes();
    ASSERT_EQ(after.size(), 3);
    const QList<Box> expected = GetParam().expected(before);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(after[i], expected[i])
            << qPrintable(Selected[i]) << ": left " << after[i].left << " top " << after[i].top
            << " width " << after[i].width << " height " << after[i].height;
    }
    EXPECT_NE(after, before) << "the demo's controls should need moving";
    EXPECT_TRUE(workspace.isModified());
    EXPECT_TRUE(fake.messageBoxes().isEmpty());

    ASSERT_TRUE(workspace.canUndo());
    workspace.undo();
    EXPECT_EQ(boxes(), before);
}

INSTANTIATE_TEST_SUITE_P(Buttons, LayoutInVbhostTest,
                         ::testing::Values(ButtonCase{"LeftA", alignNear<&Box::left>},
                                           ButtonCase{"RightA", alignFar<&Box::left, &Box::width>},
                                           ButtonCase{"TopA", alignNear<&Box::top>},
                                           ButtonCase{"BottomA", alignFar<&Box::top, &Box::height>},
                                           ButtonCase{"SizeW", sameWidth},
                                           ButtonCase{"SizeH", sameHeight},
                                           ButtonCase{"SizeB", sameSize}),
                         [](const auto &info) { return std::string(info.param.button); });

// The developer's path: controls picked on the designer canvas by click and Ctrl+click, then
// the align-left button; the canvas redraws them on one left edge.
TEST(LayoutInDesignerTest, AlignLeftMovesControlsPickedOnTheCanvas)
{
    QTemporaryDir project;
    copyDemo(project.path());
    vbhost::Workspace workspace;
    workspace.open(project.filePath("Demo.vbp"));
    int formId = -1;
    for (const auto &doc : workspace.documents())
        if (doc.name == "frmMain")
            formId = doc.id;
    ASSERT_GE(formId, 0);
    workspace.setActiveForm(formId);

    vbhost::FormCanvas canvas(workspace, formId);
    canvas.resize(canvas.sizeHint());
    canvas.show();
    for (int i = 0; i < Selected.size(); ++i) {
        const QRect r = canvas.controlRect(Selected[i]);
        ASSERT_FALSE(r.isNull()) << qPrintable(Selected[i]);
        QTest::mouseClick(&canvas, Qt::LeftButton, i ? Qt::ControlModifier : Qt::NoModifier,
                          r.center());
    }
    ASSERT_EQ(workspace.selection(), Selected);
    QSet<int> lefts;
    for (const QString &key : Selected)
        lefts << canvas.controlRect(key).left();
    ASSERT_GT(lefts.size(), 1);

    ui::FakeServices fake;
    AddInSession session(workspace, &fake);
    ASSERT_NE(tolvar::toolWindow(), nullptr);
    QTest::mouseClick(tolvar::toolWindow()->findChild<QWidget *>("LeftA"), Qt::LeftButton);

    lefts.clear();
    for (const QString &key : Selected)
        lefts << canvas.controlRect(key).left();
    EXPECT_EQ(lefts.size(), 1);
    EXPECT_TRUE(workspace.isModified());
}

// The Layout menu on the demo's form in vbhost: each item moves the three selected controls
// (or renumbers their tab order), the result is what the saved files hold, and Edit > Undo takes
// back one item at a time.
struct Spot
{
    double left, top;
    int tabIndex;
    bool operator==(const Spot &) const = default;
};

int demoFormId(const vbhost::Workspace &workspace)
{
    for (const auto &doc : workspace.documents())
        if (doc.name == "frmMain")
            return doc.id;
    return -1;
}

QList<Spot> spots(const vbhost::Workspace &workspace)
{
    const int formId = demoFormId(workspace);
    QList<Spot> result;
    const auto all = workspace.controls(formId);
    for (const QString &key : Selected)
        for (const auto &c : all)
            if (c.key == key)
                result << Spot{c.left, c.top,
                               workspace.property(formId, key, "TabIndex").toInteger()};
    return result;
}

// cmdAdd, txtQuantity, cmdRemove: before, then after each Layout item in menu order.
const QList<QList<Spot>> LayoutSteps = {
    {{4200, 2895, 16}, {3120, 2940, 15}, {4200, 3360, 17}},
    {{3420, 2895, 16}, {3120, 2940, 15}, {4200, 3360, 17}}, // gap -555
    {{3420, 2895, 16}, {3120, 3172, 15}, {4200, 3360, 17}}, // gap -97.5, 3172.5 to even
    {{2572, 2895, 16}, {2272, 3172, 15}, {3352, 3360, 17}}, // 2272.5 to even, less 3120
    {{2572, 1868, 16}, {2272, 2145, 15}, {3352, 2333, 17}}, // 1867.5 to even, less 2895
    {{2572, 1868, 15}, {2272, 2145, 16}, {3352, 2333, 17}}, // rows: cmdAdd; txtQuantity; ...
};

TEST(LayoutMenuInVbhostTest, EachItemIsOneUndoStepAndIsSaved)
{
    QTemporaryDir project;
    copyDemo(project.path());
    ui::FakeServices fake;
    vbhost::MainWindow window(fake);
    ASSERT_TRUE(window.openProject(project.filePath("Demo.vbp")));
    vbhost::Workspace &workspace = window.workspace();
    workspace.setActiveForm(demoFormId(workspace));
    workspace.setSelection(Selected);
    AddInSession session(workspace, &fake);
    ASSERT_EQ(spots(workspace), LayoutSteps[0]);

    for (int item = 0; item < 5; ++item) {
        auto *action = tolvar::toolWindow()->findChild<QAction *>(QString("mnulay(%1)").arg(item));
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_EQ(spots(workspace), LayoutSteps[item + 1]) << "item " << item;
        EXPECT_EQ(tolvar::toolWindow()->statusText(), "");
        QTest::qWait(600); // the developer's next choice comes after the add-in fell quiet
    }
    EXPECT_TRUE(fake.messageBoxes().isEmpty());

    ASSERT_TRUE(window.saveProject());
    vbhost::Workspace reopened;
    reopened.open(project.filePath("Demo.vbp"));
    EXPECT_EQ(spots(reopened), LayoutSteps[5]);

    auto *undo = window.findChild<QAction *>("undo");
    ASSERT_NE(undo, nullptr);
    for (int step = 4; step >= 0; --step) {
        undo->trigger();
        EXPECT_EQ(spots(workspace), LayoutSteps[step]) << "after undoing item " << step;
    }
}

} // namespace
