#include "projectfixture.h"

#include <QSignalSpy>
#include <QTest>

using automation::Error;
using automation::Value;
using automation::Values;
using vbhost::Workspace;

class UndoTest : public ProjectFixture
{
};

TEST_F(UndoTest, OneAddInActionIsUndoneWhole)
{
    const Value form = activateForm1();
    write(QStringLiteral("temp.MOD"), "Sub A()\r\nEnd Sub\r\n");
    // A menu generator's run: menus, properties and code in one go.
    const Value top = call(form, QStringLiteral("AddMenuTemplate"), {"menuhelp", Value::nothing()});
    setProp(top, QStringLiteral("Caption"), "&Help");
    const Value item = call(form, QStringLiteral("AddMenuTemplate"), {"help", top});
    setProp(item, QStringLiteral("Caption"), "&About");
    setProp(item, QStringLiteral("Index"), qint16(0));
    setProp(form, QStringLiteral("Caption"), "Changed");
    call(form, QStringLiteral("InsertFile"), {path(QStringLiteral("temp.MOD"))});
    ASSERT_TRUE(ws.canUndo());
    ASSERT_TRUE(ws.isModified());

    ws.undo();
    EXPECT_FALSE(ws.isModified());
    EXPECT_FALSE(ws.canUndo());
    ws.save();
    EXPECT_EQ(read(QStringLiteral("Form1.frm")), Form1);
    // The form object still works; the removed menus are gone.
    EXPECT_EQ(prop(form, QStringLiteral("Caption")), Value("Form1"));
    expectError(91, [&] { prop(item, QStringLiteral("Caption")); });
}

TEST_F(UndoTest, AQuietAddInEndsItsStep)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Caption"), "First");
    QTest::qWait(600); // the add-in went quiet: its action is over
    setProp(form, QStringLiteral("Caption"), "Second");
    ws.undo();
    EXPECT_EQ(prop(form, QStringLiteral("Caption")), Value("First"));
    ws.undo();
    EXPECT_EQ(prop(form, QStringLiteral("Caption")), Value("Form1"));
}

TEST_F(UndoTest, UndoOfAddFormTemplateRemovesTheForm)
{
    QSignalSpy active(&ws, &Workspace::activeFormChanged);
    const Value form = call(project(), QStringLiteral("AddFormTemplate"));
    call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Add"), {"Timer"});
    EXPECT_EQ(ws.documents().size(), 3);
    ws.undo();
    EXPECT_EQ(ws.documents().size(), 2);
    EXPECT_EQ(ws.activeForm(), -1);
    EXPECT_FALSE(ws.isModified());
    expectError(91, [&] { call(form, QStringLiteral("Name")); });
}

TEST_F(UndoTest, UndoOfAddFileTakesItOutOfTheProjectFile)
{
    write(QStringLiteral("Class1.cls"), Class1);
    call(project(), QStringLiteral("AddFile"), {path(QStringLiteral("Class1.cls"))});
    ws.undo();
    EXPECT_EQ(ws.documents().size(), 2);
    EXPECT_FALSE(ws.isModified());
    ws.save();
    EXPECT_EQ(read(QStringLiteral("Project1.vbp")), Project1);
}

TEST_F(UndoTest, DesignerEditsAreUndoableOneGestureAtATime)
{
    const int id = form1Id();
    ws.setGeometry(id, QStringLiteral("Command1"), 240, 360, 1000, 400);
    ws.closeUndoStep();
    ws.setProperty(id, QStringLiteral("Command1"), QStringLiteral("caption"), "OK");
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Left")),
              Value(qint32(240)));
    ws.undo();
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Caption")),
              Value("Command1"));
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Left")),
              Value(qint32(240)));
    ws.undo();
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Left")),
              Value(qint32(120)));
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Height")),
              Value(qint32(495)));
}

TEST_F(UndoTest, ADesignerEditEndsAnAddInStep)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Caption"), "AddIn");
    ws.setProperty(form1Id(), {}, QStringLiteral("Caption"), "Designer");
    ws.undo();
    EXPECT_EQ(prop(form, QStringLiteral("Caption")), Value("AddIn"));
}

TEST_F(UndoTest, UndoAfterSaveLeavesTheProjectModified)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Caption"), "Saved");
    ws.save();
    EXPECT_FALSE(ws.isModified());
    ws.undo();
    EXPECT_TRUE(ws.isModified()); // the files on disk hold the undone change
    ws.save();
    EXPECT_EQ(read(QStringLiteral("Form1.frm")), Form1);
}

TEST_F(UndoTest, UndoRestoresTheSelection)
{
    activateForm1();
    ws.setSelection({QStringLiteral("Command1"), QStringLiteral("Text1")});
    ws.removeControls(form1Id(), {QStringLiteral("Command1")});
    EXPECT_EQ(ws.selection(), QStringList{QStringLiteral("Text1")});
    ws.undo();
    EXPECT_EQ(ws.selection(), QStringList({QStringLiteral("Command1"), QStringLiteral("Text1")}));
}
