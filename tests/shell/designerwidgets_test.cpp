#include "designerfixture.h"
#include "ide/designer/menupreview.h"
#include "ide/shell/projectexplorer.h"
#include "ide/shell/propertylist.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

using namespace shelltesting;

TEST_F(DesignerTest, ClickAndCtrlClickSelectInOrder)
{
    click("cmdOK");
    EXPECT_EQ(ws().selection(), QStringList({"cmdOK"}));
    click("cmdCancel", Qt::ControlModifier);
    click("txtQuantity", Qt::ControlModifier);
    EXPECT_EQ(ws().selection(), QStringList({"cmdOK", "cmdCancel", "txtQuantity"}));
    EXPECT_EQ(selectedAsAddInsSeeThem(), QStringList({"cmdOK", "cmdCancel", "txtQuantity"}));
    click("cmdOK", Qt::ControlModifier);
    EXPECT_EQ(ws().selection(), QStringList({"cmdCancel", "txtQuantity"}));
    click("lstItems");
    EXPECT_EQ(ws().selection(), QStringList({"lstItems"}));
}

TEST_F(DesignerTest, ClickInsideAFrameSelectsTheChild)
{
    click("optShip(1)");
    EXPECT_EQ(ws().selection(), QStringList({"optShip(1)"}));
    const QRect frame = canvas->controlRect("fraShipping");
    QTest::mouseClick(canvas, Qt::LeftButton, {}, frame.bottomRight() - QPoint(4, 4));
    EXPECT_EQ(ws().selection(), QStringList({"fraShipping"}));
}

TEST_F(DesignerTest, CtrlClickInAnotherContainerStartsANewSelection)
{
    click("optShip(0)");
    click("optShip(1)", Qt::ControlModifier);
    EXPECT_EQ(ws().selection(), QStringList({"optShip(0)", "optShip(1)"}));
    click("cmdOK", Qt::ControlModifier);
    EXPECT_EQ(ws().selection(), QStringList({"cmdOK"}));
    click("txtName", Qt::ControlModifier);
    EXPECT_EQ(selectedAsAddInsSeeThem(), QStringList({"txtName"}));
}

TEST_F(DesignerTest, RubberBandSelectsTouchedControls)
{
    const QRect ok = canvas->controlRect("cmdOK");
    const QRect cancel = canvas->controlRect("cmdCancel");
    // From below-right of Cancel (empty form) to the middle of OK.
    const QPoint from(cancel.right() + 3, cancel.bottom() + 3);
    ASSERT_LT(canvas->layout().hitTest(from), 0);
    drag(from, ok.center());
    EXPECT_EQ(ws().selection(), QStringList({"cmdOK", "cmdCancel"}));
    EXPECT_EQ(selectedAsAddInsSeeThem(), QStringList({"cmdOK", "cmdCancel"}));
}

TEST_F(DesignerTest, DragMovesTheSelectionAndUndoIsOneStep)
{
    click("cmdOK");
    click("cmdCancel", Qt::ControlModifier);
    const double okLeft = twips("cmdOK", "Left"), okTop = twips("cmdOK", "Top");
    const double cancelLeft = twips("cmdCancel", "Left");
    EXPECT_FALSE(ws().isModified());
    drag(centreOf("cmdOK"), centreOf("cmdOK") + QPoint(-20, -8));
    const double tpp = ui::twipsPerPixel();
    EXPECT_NEAR(twips("cmdOK", "Left"), okLeft - 20 * tpp, 1);
    EXPECT_NEAR(twips("cmdOK", "Top"), okTop - 8 * tpp, 1);
    EXPECT_NEAR(twips("cmdCancel", "Left"), cancelLeft - 20 * tpp, 1);
    EXPECT_EQ(ws().selection(), QStringList({"cmdOK", "cmdCancel"}));
    EXPECT_TRUE(ws().isModified());
    EXPECT_TRUE(window->isWindowModified());

    QTest::qWait(50); // the step closes when the loop goes idle
    ASSERT_TRUE(ws().canUndo());
    ws().undo();
    EXPECT_EQ(twips("cmdOK", "Left"), okLeft);
    EXPECT_EQ(twips("cmdCancel", "Left"), cancelLeft);
}

TEST_F(DesignerTest, SmallJitterDoesNotMove)
{
    click("cmdOK");
    const double left = twips("cmdOK", "Left");
    drag(centreOf("cmdOK"), centreOf("cmdOK") + QPoint(1, 0));
    EXPECT_EQ(twips("cmdOK", "Left"), left);
    EXPECT_FALSE(ws().isModified());
}

TEST_F(DesignerTest, ReferenceControlHasFilledHandlesOthersHollow)
{
    click("cmdAdd");
    click("cmdRemove", Qt::ControlModifier);
    const QImage image = canvas->grab().toImage();
    // The top-left handle is centred on the corner; look just inside it.
    const QColor first = image.pixelColor(canvas->controlRect("cmdAdd").topLeft() + QPoint(1, 1));
    const QColor second =
        image.pixelColor(canvas->controlRect("cmdRemove").topLeft() + QPoint(1, 1));
    EXPECT_LT(first.lightness(), 80) << first.name().toStdString();
    EXPECT_GT(second.lightness(), 200) << second.name().toStdString();

    // Taking the reference out makes the next one the reference.
    click("cmdAdd", Qt::ControlModifier);
    const QImage after = canvas->grab().toImage();
    EXPECT_LT(
        after.pixelColor(canvas->controlRect("cmdRemove").topLeft() + QPoint(1, 1)).lightness(),
        80);
}

TEST_F(DesignerTest, ChangesFromAddInsShowAtOnce)
{
    const QRect before = canvas->controlRect("cmdOK");
    // What an add-in does: through the application object.
    const Value app = Value(ws().application(QStringLiteral("Some.AddIn")));
    const Value form = automation::invoke(automation::invoke(app, "ActiveProject"), "ActiveForm");
    for (const Value &c : automation::enumerate(automation::invoke(form, "ControlTemplates"))) {
        if (automation::invoke(automation::invoke(c, "Properties", {"Name"}), "Value").toString() ==
            "cmdOK")
            automation::assign(automation::invoke(c, "Properties", {"Left"}), "Value", {},
                               Value(qint32(150)));
    }
    EXPECT_EQ(canvas->controlRect("cmdOK").left(), ui::twipsToPixels(150));
    EXPECT_NE(canvas->controlRect("cmdOK"), before);
    EXPECT_TRUE(window->windowTitle().contains("[*]"));
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(DesignerTest, KeyboardSelectsAndMoves)
{
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_Tab);
    ASSERT_EQ(ws().selection().size(), 1);
    const QString first = ws().selection().first();
    QTest::keyClick(canvas, Qt::Key_Tab);
    EXPECT_NE(ws().selection().first(), first);
    const QString key = ws().selection().first();
    const double left = twips(key, "Left");
    QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_NEAR(twips(key, "Left"), left + ui::twipsPerPixel(), 1);
}

TEST_F(DesignerTest, PropertyListEditsAndShowsRefusedValues)
{
    click("txtName");
    PropertyList *list = window->propertyList();
    EXPECT_EQ(list->controlKey(), "txtName");
    EXPECT_TRUE(list->editProperty("Left", "1200"));
    EXPECT_EQ(twips("txtName", "Left"), 1200);
    EXPECT_TRUE(list->errorText().isEmpty());
    EXPECT_FALSE(list->editProperty("Left", "far away"));
    EXPECT_TRUE(list->errorText().contains("380")) << list->errorText().toStdString();
    EXPECT_EQ(twips("txtName", "Left"), 1200);
}

TEST_F(DesignerTest, PropertyListNamesTheModuleOrClassInHand)
{
    QTreeWidget *tree = window->explorer()->tree();
    const auto items = tree->findItems("DemoMod", Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    tree->setCurrentItem(items.first());
    PropertyList *list = window->propertyList();
    EXPECT_EQ(list->member(), documentId("DemoMod"));
    EXPECT_FALSE(list->editProperty("Name", "frmMain")); // taken
    EXPECT_TRUE(list->editProperty("Name", "Tools"));
    EXPECT_EQ(list->table()->item(0, 1)->text(), "Tools");
    click("txtName"); // the designer again
    EXPECT_EQ(list->controlKey(), "txtName");
    const int counter = documentId("Counter");
    window->openCode(counter);
    EXPECT_EQ(list->member(), counter);
    EXPECT_TRUE(list->editProperty("Name", "Tally")); // stays in hand through the rename
    EXPECT_EQ(list->member(), counter);
}

TEST_F(DesignerTest, MenuPreviewHasCaptionsAndShortcuts)
{
    MenuPreview *menu = designer->menuPreview();
    QStringList top;
    for (QAction *a : menu->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Edit", "&Help"}));
    QMenu *file = menu->actions().first()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions().first()->text(), "&New Order\tCtrl+N");
    EXPECT_TRUE(file->actions().at(2)->isSeparator());
    QMenu *edit = menu->actions().at(1)->menu();
    EXPECT_EQ(edit->actions().at(2)->text(), "&Clear All\tCtrl+F5");

    // Every change rebuilds the preview; the old menus go.
    const qsizetype menus = menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly).size();
    ws().setProperty(formId, "mnuFileNew", "Caption", Value("&Fresh Order"));
    ws().setProperty(formId, "mnuHelpAbout", "Checked", Value(true));
    EXPECT_EQ(menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly).size(), menus);
    EXPECT_EQ(menu->actions().first()->menu()->actions().first()->text(), "&Fresh Order\tCtrl+N");
    EXPECT_TRUE(menu->actions().at(2)->menu()->actions().first()->isChecked());
}
