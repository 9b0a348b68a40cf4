#include "projectfixture.h"

#include <QTest>

using automation::Value;
using vbhost::Workspace;

// Copy, paste, delete, restacking and redo of controls, as the designer's Edit menu does them.
class ControlEditingTest : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        form = form1Id();
        ws.setActiveForm(form);
    }
    QStringList keys() const
    {
        QStringList out;
        for (const auto &c : ws.controls(form))
            out << (c.parentKey.isEmpty() ? c.key : c.parentKey + u'>' + c.key);
        return out;
    }
    // The gesture is over: the next change is a step of its own.
    static void idle() { QTest::qWait(1); }
    static Workspace::ClashQuestion answer(Workspace::NameClash a, QStringList *asked)
    {
        return [a, asked](const QString &name) {
            *asked << name;
            return a;
        };
    }
    int form = -1;
};

TEST_F(ControlEditingTest, CutPasteUndoAndRedoEachOneStep)
{
    const QString frame = ws.copyControls(form, {"Frame1"});
    ASSERT_TRUE(frame.startsWith("   Begin VB.Frame Frame1 \r\n")) << frame.toStdString();
    ASSERT_TRUE(frame.contains("      Begin VB.OptionButton Option1 \r\n"));
    const QStringList before = keys();
    ws.removeControls(form, {"Frame1"});
    idle();
    EXPECT_FALSE(keys().contains("Frame1"));
    EXPECT_FALSE(keys().contains("Frame1>Option1(0)"));

    QStringList asked;
    EXPECT_EQ(ws.pasteControls(form, {}, frame, false, 0, 0,
                               answer(Workspace::NameClash::NewName, &asked)),
              QStringList{"Frame1"});
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(ws.selection(), QStringList{"Frame1"});
    EXPECT_EQ(ws.copyControls(form, {"Frame1"}), frame);
    idle();

    ws.undo();
    EXPECT_FALSE(keys().contains("Frame1"));
    ws.undo();
    EXPECT_EQ(keys(), before);
    ws.redo();
    EXPECT_FALSE(keys().contains("Frame1"));
    ws.redo();
    EXPECT_EQ(keys(), before);
    EXPECT_FALSE(ws.canRedo());
}

TEST_F(ControlEditingTest, APastedNameInUseAsksAndMakesAnArrayOrTakesTheNextName)
{
    const QString button = ws.copyControls(form, {"Command1"});
    QStringList asked;
    EXPECT_EQ(ws.pasteControls(form, {}, button, false, 120, 120,
                               answer(Workspace::NameClash::NewName, &asked)),
              QStringList{"Command2"});
    EXPECT_EQ(asked, QStringList{"Command1"});
    EXPECT_EQ(ws.property(form, "Command2", "Caption"), Value("Command1"));
    EXPECT_EQ(ws.property(form, "Command2", "Left"), Value(qint32(240)));
    EXPECT_EQ(ws.property(form, "Command2", "TabIndex"), Value(qint32(5)));

    EXPECT_EQ(ws.pasteControls(form, {}, button, false, 0, 0,
                               answer(Workspace::NameClash::ControlArray, &asked)),
              QStringList{"Command1(1)"});
    EXPECT_TRUE(keys().contains("Command1(0)"));
    // An array takes further copies as its next elements without asking.
    EXPECT_EQ(ws.pasteControls(form, "Frame1", button, false, 0, 0,
                               answer(Workspace::NameClash::NewName, &asked)),
              QStringList{"Command1(2)"});
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(keys().contains("Frame1>Command1(2)"));
    ws.save();
    EXPECT_TRUE(read("Form1.frm")
                    .contains("      Caption         =   \"Command1\"\r\n"
                              "      Height          =   495\r\n"
                              "      Index           =   0\r\n"
                              "      Left            =   120\r\n"));
}

TEST_F(ControlEditingTest, CopiesGoBetweenFormsWithTheirChildrenAndNoCode)
{
    const QString frame = ws.copyControls(form, {"Frame1", "Option1(0)"});
    const int other = ws.addNewMember(vbhost::DocumentKind::Form);
    QStringList asked;
    ws.pasteControls(other, {}, frame, true, 0, 0, answer(Workspace::NameClash::NewName, &asked));
    EXPECT_TRUE(asked.isEmpty());
    // Every property comes along but the tab order, which continues the form's; the frame
    // goes to the form's top-left corner.
    EXPECT_EQ(ws.copyControls(other, {"Frame1"}),
              QString(frame)
                  .replace("TabIndex        =   3", "TabIndex        =   0")
                  .replace("TabIndex        =   4", "TabIndex        =   1")
                  .replace("Left            =   1560", "Left            =   0")
                  .replace("Top             =   960", "Top             =   0"));
    EXPECT_EQ(ws.code(other), QString());
    expectError(5, [&] { ws.pasteControls(other, {}, "Not a control", false, 0, 0, {}); });
}

TEST_F(ControlEditingTest, DeletingAFrameTakesItsChildrenAndUndoBringsThemBack)
{
    ws.removeControls(form, {"Frame1"});
    ws.save();
    EXPECT_FALSE(read("Form1.frm").contains("Option1"));
    ws.undo();
    ws.save();
    EXPECT_EQ(read("Form1.frm"), Form1);
}

TEST_F(ControlEditingTest, BringToFrontAndSendToBackRestackWithinTheContainer)
{
    ws.bringToFront(form, {"Command1", "Text1"});
    EXPECT_EQ(keys().mid(0, 5),
              QStringList({"Label1", "Frame1", "Frame1>Option1(0)", "Command1", "Text1"}));
    idle();
    ws.sendToBack(form, {"Frame1"});
    EXPECT_EQ(keys().first(), "Frame1");
    EXPECT_EQ(keys().last(), "mnuFile>mnuOpen"); // menus stay last
    ws.undo();
    ws.undo();
    ws.save();
    EXPECT_EQ(read("Form1.frm"), Form1);
}

TEST_F(ControlEditingTest, RedoDoesAnAddInActionAgainAsOneStep)
{
    const Value controls = call(activateForm1(), "ControlTemplates");
    const Value timer = call(controls, "Add", {"Timer"});
    setProp(timer, "Interval", qint32(500));
    ws.undo();
    EXPECT_FALSE(keys().contains("Timer1"));
    ws.redo();
    EXPECT_EQ(prop(timer, "Interval"), Value(qint32(500))); // the add-in's object works again
    ws.undo();
    ws.pasteControls(form, {}, ws.copyControls(form, {"Text1"}), false, 0, 0,
                     [](const QString &) { return Workspace::NameClash::NewName; });
    EXPECT_FALSE(ws.canRedo()); // a new change ends what could be redone
}

TEST_F(ControlEditingTest, NewMembersTakeTheLowestFreeNumberAndSaveWhereTold)
{
    const int form2 = ws.addNewMember(vbhost::DocumentKind::Form);
    const int module2 = ws.addNewMember(vbhost::DocumentKind::Module);
    const int class1 = ws.addNewMember(vbhost::DocumentKind::Class);
    EXPECT_EQ(ws.document(form2).name, "Form2");
    EXPECT_EQ(ws.document(module2).name, "Module2");
    EXPECT_EQ(ws.document(class1).name, "Class1");
    EXPECT_TRUE(ws.document(class1).created);
    ws.save({{}, {{form2, path("Second.frm")}}});
    EXPECT_TRUE(read("Project1.vbp").contains("Form=Second.frm"));
    EXPECT_TRUE(read("Second.frm").contains("Begin VB.Form Form2 "));
    EXPECT_TRUE(read("Module2.bas").startsWith("Attribute VB_Name = \"Module2\""));
    EXPECT_FALSE(read("Class1.cls").contains("VB_PredeclaredId")); // a 4.00 project's class

    ws.newProject();
    EXPECT_TRUE(ws.isNewProject());
    EXPECT_EQ(ws.projectName(), "Project1");
    EXPECT_FALSE(ws.canUndo());
    EXPECT_THROW(ws.save(), vbhost::WorkspaceError);
}
