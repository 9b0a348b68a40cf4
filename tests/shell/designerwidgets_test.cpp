#include "accessiblenames.h"
#include "ide/designer/formcanvas.h"
#include "ide/designer/formdesigner.h"
#include "ide/designer/menupreview.h"
#include "ide/model/workspace.h"
#include "ide/shell/addinmanagerdialog.h"
#include "ide/shell/codeview.h"
#include "ide/shell/mainwindow.h"
#include "ide/shell/projectcommands.h"
#include "ide/shell/projectexplorer.h"
#include "ide/shell/propertylist.h"
#include "platform/ui/fakeservices.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/twips.h"
#include "windowwatch.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace vbhost;
using automation::Value;

namespace {

QString demoDir()
{
    return qEnvironmentVariable("TOLVAR_SOURCE_DIR", QStringLiteral(".")) +
           QStringLiteral("/examples/Demo");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DesignerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const QString &name : QDir(demoDir()).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demoDir() + u'/' + name, dir.filePath(name)))
                << name.toStdString();
        window = std::make_unique<MainWindow>(services);
        window->show();
        ASSERT_TRUE(window->openProject(dir.filePath(QStringLiteral("Demo.vbp"))));
        formId = documentId(QStringLiteral("frmMain"));
        designer = window->openDesigner(formId);
        ASSERT_NE(designer, nullptr);
        canvas = designer->canvas();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    Workspace &ws() { return window->workspace(); }

    int documentId(const QString &name)
    {
        for (const DocumentInfo &d : ws().documents()) {
            if (d.name.compare(name, Qt::CaseInsensitive) == 0)
                return d.id;
        }
        return -1;
    }

    QPoint centreOf(const QString &key) { return canvas->controlRect(key).center(); }

    void click(const QString &key, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(canvas, Qt::LeftButton, mods, centreOf(key));
    }

    void drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(canvas, Qt::LeftButton, mods, from);
        // Through a midpoint so that the move passes the drag distance in steps.
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, mods, to);
    }

    // The order the add-ins see: SelectedControlTemplates of the active form.
    QStringList selectedAsAddInsSeeThem()
    {
        const Value app = Value(ws().application());
        const Value form =
            automation::invoke(automation::invoke(app, "ActiveProject"), "ActiveForm");
        QStringList names;
        for (const Value &c :
             automation::enumerate(automation::invoke(form, "SelectedControlTemplates"))) {
            const Value name =
                automation::invoke(automation::invoke(c, "Properties", {"Name"}), "Value");
            names << name.toString();
        }
        return names;
    }

    double twips(const QString &key, const char *name)
    {
        return ws().property(formId, key, name).toDouble();
    }

    QTemporaryDir dir;
    ui::FakeServices services;
    std::unique_ptr<MainWindow> window;
    int formId = -1;
    FormDesigner *designer = nullptr;
    FormCanvas *canvas = nullptr;
};

} // namespace

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

TEST_F(DesignerTest, CodeViewShowsTheCodeSection)
{
    CodeView *code = window->openCode(documentId("DemoMod"));
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->toPlainText().contains("Public Sub FillProducts(Target As ComboBox)"));
    EXPECT_FALSE(code->toPlainText().contains("Attribute VB_Name"));
    code->appendPlainText("' checked");
    code->commit();
    EXPECT_TRUE(ws().code(documentId("DemoMod")).contains("' checked\r\n") ||
                ws().code(documentId("DemoMod")).endsWith("' checked"));
    EXPECT_TRUE(ws().isModified());
}

TEST_F(DesignerTest, CodeTypedJustBeforeClosingTheWindowIsKept)
{
    const int id = documentId("Counter");
    CodeView *code = window->openCode(id);
    code->moveCursor(QTextCursor::End);
    QTest::keyClicks(code, "' last words");
    window->mdiArea()->activeSubWindow()->close(); // before the pause that would hand it over
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ws().code(id).contains("' last words"));
    EXPECT_TRUE(ws().isModified());
}

class UnsavedChangesTest : public DesignerTest
{
protected:
    void modify() { ws().setProperty(formId, "cmdOK", "Caption", Value("Done")); }
    QByteArray mainForm() { return readAll(dir.filePath("Main.frm")); }
};

TEST_F(UnsavedChangesTest, CancelKeepsTheWindowOpen)
{
    modify();
    services.msgBoxResults = {ui::mb::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(services.messageBoxes().first().prompt.contains("Demo"));
    EXPECT_TRUE(ws().isModified());
}

TEST_F(UnsavedChangesTest, NoDiscardsAndWritesNothing)
{
    const QByteArray before = mainForm();
    modify();
    services.msgBoxResults = {ui::mb::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(mainForm(), before);
}

TEST_F(UnsavedChangesTest, YesSavesFirst)
{
    modify();
    services.msgBoxResults = {ui::mb::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(mainForm().contains("Caption         =   \"Done\""));
}

TEST_F(UnsavedChangesTest, OpeningAnotherProjectAsksToo)
{
    modify();
    services.msgBoxResults = {ui::mb::Cancel};
    EXPECT_FALSE(window->openProject(dir.filePath("Demo.vbp")));
    EXPECT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(ws().isModified());
}

TEST_F(UnsavedChangesTest, NoQuestionWithoutChanges)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(services.messageBoxes().isEmpty());
}

TEST_F(DesignerTest, MalformedFormIsNamedWithItsLineAndNothingIsWritten)
{
    QTemporaryDir broken;
    for (const QString &name : QDir(demoDir()).entryList(QDir::Files))
        QFile::copy(demoDir() + u'/' + name, broken.filePath(name));
    QByteArray form = readAll(broken.filePath("Options.frm"));
    // Cut the form off in the middle of a control block.
    form.truncate(form.indexOf("   Begin VB.CommandButton cmdOK"));
    form += "   Begin VB.CommandButton cmdOK \r\n      Caption         =   \"OK\r\n";
    {
        QFile f(broken.filePath("Options.frm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(form);
    }
    const QByteArray vbp = readAll(broken.filePath("Demo.vbp"));

    EXPECT_FALSE(window->openProject(broken.filePath("Demo.vbp")));
    ASSERT_FALSE(services.messageBoxes().isEmpty());
    const QString prompt = services.messageBoxes().last().prompt;
    EXPECT_TRUE(prompt.contains("Options.frm")) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QRegularExpression("\\(\\d+\\)"))) << prompt.toStdString();
    EXPECT_EQ(readAll(broken.filePath("Options.frm")), form);
    EXPECT_EQ(readAll(broken.filePath("Demo.vbp")), vbp);
    // The project that was open stays open.
    EXPECT_EQ(ws().projectPath(), dir.filePath("Demo.vbp"));
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
    auto *code = qobject_cast<CodeView *>(window->mdiArea()->activeSubWindow()->widget());
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

// P.vbp in dir, naming the demo's main form (copied beside it) and then the given members.
QString projectWithMembers(const QTemporaryDir &dir, const QByteArray &members)
{
    QFile::copy(demoDir() + "/Main.frm", dir.filePath("Main.frm"));
    QFile vbp(dir.filePath("P.vbp"));
    if (vbp.open(QIODevice::WriteOnly))
        vbp.write("Type=Exe\r\nForm=Main.frm\r\n" + members);
    return vbp.fileName();
}

TEST(MissingMemberTest, ProjectOpensAndTheExplorerMarksTheMissingFile)
{
    QTemporaryDir dir;
    ui::FakeServices services;
    MainWindow window(services);
    ASSERT_TRUE(window.openProject(projectWithMembers(dir, "Module=Gone; D:\\Old\\Gone.bas\r\n")));
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(services.messageBoxes()[0].details.endsWith("\nLine 3: D:\\Old\\Gone.bas"))
        << services.messageBoxes()[0].details.toStdString();
    const auto found = window.findChild<QTreeWidget *>("projectTree")
                           ->findItems("Gone", Qt::MatchRecursive | Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0]->text(1).contains("(missing)"));
}

TEST(MissingMemberTest, ManyMissingFilesAreCountedWithTheListUnderDetails)
{
    QTemporaryDir dir;
    QByteArray members;
    for (int i = 1; i <= 40; ++i)
        members += QStringLiteral("Module=M%1; C:\\Projects\\Long Folder Name\\Module%1.bas\r\n")
                       .arg(i)
                       .toLatin1();
    ui::QtServices services(QStringLiteral("vbhost"));
    MainWindow window(services);
    window.show();
    QString text;
    QStringList details;
    bool fits = false;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        text = box->text();
        details = box->detailedText().split(u'\n');
        fits = fitsWithDetailsOpen(box);
        box->findChild<QPushButton *>("OK")->click();
    });
    ASSERT_TRUE(window.openProject(projectWithMembers(dir, members)));
    EXPECT_EQ(text, "40 of the project's 41 files cannot be found; the project opened without "
                    "them and its file keeps naming them.");
    ASSERT_EQ(details.size(), 41);
    EXPECT_EQ(details[0], "Looked for in " + QDir::toNativeSeparators(dir.path()) + ":");
    EXPECT_EQ(details[40], "Line 42: C:\\Projects\\Long Folder Name\\Module40.bas");
    EXPECT_TRUE(fits);
}
