#include "accessiblenames.h"
#include "designerfixture.h"
#include "ide/code/codeeditor.h"
#include "ide/code/codefind.h"
#include "ide/code/codewindow.h"
#include "ide/code/finddialog.h"
#include "ide/shell/addinmanagerdialog.h"
#include "ide/shell/projectcommands.h"
#include "ide/shell/projectexplorer.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTreeWidget>

using namespace shelltesting;

TEST_F(DesignerTest, ExplorerListsFormsModulesAndClasses)
{
    QTreeWidget *tree = window->explorer()->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Demo");
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->childCount(), 2);
    EXPECT_EQ(root->child(1)->child(0)->text(0), "DemoMod");
    EXPECT_EQ(root->child(2)->child(0)->text(0), "Counter");
}

TEST_F(DesignerTest, CodeWindowShowsTheCodeSection)
{
    CodeWindow *code = window->openCode(documentId("DemoMod"));
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->toPlainText().contains("Public Sub FillProducts(Target As ComboBox)"));
    EXPECT_FALSE(code->toPlainText().contains("Attribute VB_Name"));
    code->editor()->appendPlainText("' checked");
    code->commit();
    EXPECT_TRUE(ws().code(documentId("DemoMod")).contains("' checked\r\n") ||
                ws().code(documentId("DemoMod")).endsWith("' checked"));
    EXPECT_TRUE(ws().isModified());
}

TEST_F(DesignerTest, EditMenuSearchesTheCodeWindowInFrontAndTheStatusBarShowsTheCursor)
{
    QAction *find = window->findChild<QAction *>("find");
    EXPECT_FALSE(find->isEnabled());
    CodeWindow *code = window->openCode(documentId("DemoMod"));
    EXPECT_TRUE(find->isEnabled());
    code->editor()->goTo(3, 2);
    EXPECT_EQ(window->findChild<QLabel *>("codePlace")->text(), "Ln 4, Col 3");
    services.inputBoxTexts << "6";
    window->findChild<QAction *>("goToLine")->trigger();
    EXPECT_EQ(code->editor()->textCursor().blockNumber(), 5);
    find->trigger();
    EXPECT_TRUE(window->codeFind().dialog()->isVisible());
}

TEST_F(DesignerTest, CodeTypedJustBeforeClosingTheWindowIsKept)
{
    const int id = documentId("Counter");
    CodeWindow *code = window->openCode(id);
    code->editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(code->editor(), "' last words");
    window->mdiArea()->activeSubWindow()->close(); // before the pause that would hand it over
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ws().code(id).contains("' last words"));
    EXPECT_TRUE(ws().isModified());
}

TEST_F(DesignerTest, ExplorerOpensDesignersAndCode)
{
    QTreeWidget *tree = window->explorer()->tree();
    QTreeWidgetItem *options = tree->topLevelItem(0)->child(0)->child(1);
    ASSERT_EQ(options->text(0), "frmOptions");
    tree->setCurrentItem(options);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_NE(window->designer(documentId("frmOptions")), nullptr);
    EXPECT_EQ(ws().activeForm(), documentId("frmOptions"));

    QTreeWidgetItem *module = tree->topLevelItem(0)->child(1)->child(0);
    tree->setCurrentItem(module);
    QTest::keyClick(tree, Qt::Key_Return);
    auto *code = qobject_cast<CodeWindow *>(window->mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->documentId(), documentId("DemoMod"));
}

TEST_F(DesignerTest, ActiveFormIsTheDesignerActiveLastWhileItStaysOpen)
{
    const Value project = automation::invoke(Value(ws().application()), "ActiveProject");
    const auto activeForm = [&] {
        const Value form = automation::invoke(project, "ActiveForm");
        return form.toObject() ? automation::invoke(form, "Name").toString() : QString();
    };
    window->openDesigner(documentId("frmOptions"));
    window->openCode(documentId("frmMain"))->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(activeForm(), "frmOptions");

    // Closing that designer hands ActiveForm to the one active before it, then to none.
    window->designer(documentId("frmOptions"))->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(activeForm(), "frmMain");
    designer->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(activeForm(), "");
}

TEST_F(DesignerTest, AddFileAndRemoveFileAreUndoneLikeOtherEdits)
{
    services.openFileNames << demoDir() + "/../../data/templates/Stopwatch.cls";
    const int added = window->projectCommands().addFile();
    ASSERT_GE(added, 0);
    window->findChild<QAction *>("undo")->trigger();
    EXPECT_EQ(ws().document(added).id, -1);

    // A modified member is offered for saving first; No takes it out as it is.
    const int module = documentId("DemoMod");
    ws().setCode(module, "' changed\r\n");
    ws().closeUndoStep();
    const QString edited = ws().code(module);
    window->explorer()->tree()->setCurrentItem(
        window->explorer()->tree()->topLevelItem(0)->child(1)->child(0));
    services.msgBoxResults << ui::mb::No;
    EXPECT_TRUE(window->projectCommands().removeFile());
    EXPECT_TRUE(services.messageBoxes().last().prompt.contains("Save changes to DemoMod"));
    EXPECT_EQ(documentId("DemoMod"), -1);
    window->findChild<QAction *>("undo")->trigger();
    EXPECT_EQ(ws().code(documentId("DemoMod")), edited);
    ws().save();
    EXPECT_TRUE(readAll(dir.filePath("Demo.vbp")).contains("Module=DemoMod; DemoMod.bas"));
}

TEST_F(DesignerTest, AddInsMenuListsItemsAndChoosingCallsTheHandler)
{
    const Value app = Value(ws().application());
    const Value items = automation::invoke(automation::invoke(app, "AddInMenu"), "MenuItems");
    const Value item = automation::invoke(items, "Add", {"Local Tool"});
    int clicks = 0;
    auto handler = std::make_shared<automation::DispatchObject>();
    handler->method("AfterClick", [&](const automation::Values &) {
        ++clicks;
        return Value();
    });
    automation::invoke(item, "ConnectEvents", {Value(handler)});

    QAction *action = nullptr;
    for (QAction *a : window->addInsMenu()->actions()) {
        if (a->text() == "Local Tool")
            action = a;
    }
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(window->addInsMenu()->actions().first()->text(), "Add-In &Manager...");
    action->trigger();
    QTRY_COMPARE(clicks, 1);

    automation::invoke(items, "Remove", {item});
    for (QAction *a : window->addInsMenu()->actions())
        EXPECT_NE(a->text(), "Local Tool");
}

TEST_F(DesignerTest, ItemOfAnAddInThatIsNotRunningSaysSo)
{
    const Value app = Value(ws().application(QStringLiteral("Gone.connect")));
    automation::invoke(automation::invoke(automation::invoke(app, "AddInMenu"), "MenuItems"), "Add",
                       {"Orphan"});
    ASSERT_EQ(ws().addInMenuItems().size(), 1);
    window->chooseAddInItem(ws().addInMenuItems().first().id);
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_EQ(services.messageBoxes().first().prompt,
              "The add-in Gone.connect is no longer running.");
}

TEST_F(DesignerTest, EveryNamedWidgetHasAnAccessibleName)
{
    window->openCode(documentId("Counter"));
    QStringList missing;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_"))
            continue;
        // Windows, labels and status bars are read by their titles and texts instead.
        if (w->isWindow() || qobject_cast<QMdiSubWindow *>(w) || qobject_cast<QLabel *>(w) ||
            qobject_cast<QStatusBar *>(w))
            continue;
        if (w->accessibleName().isEmpty())
            missing << name;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
    for (const char *name :
         {"projectTree", "propertyTable", "formCanvas", "codeView", "menuPreview", "documents"})
        EXPECT_NE(window->findChild<QWidget *>(name), nullptr) << name;
    EXPECT_NE(window->findChild<FormCanvas *>()->focusPolicy() & Qt::TabFocus, 0);
}

TEST_F(DesignerTest, WindowsReadAsTheirTitlesAndLabelsAsTheirTexts)
{
    window->openCode(documentId("Counter"));
    ws().setProperty(formId, {}, "Caption", Value(QStringLiteral("Changed")));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(testing_a11y::readName(window.get()).contains(u'*'));
    window->findChild<QLabel *>("statusText")->setText("Opened somewhere");
    AddInManagerDialog dialog(window->addIns());
    for (QWidget *w : {static_cast<QWidget *>(window.get()), static_cast<QWidget *>(&dialog)})
        EXPECT_EQ(testing_a11y::misnamedText(w), "");
}
