#include "projectfixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

using automation::Value;
using vbhost::Workspace;
using vbhost::WorkspaceError;

class WorkspaceTest : public ProjectFixture
{
};

TEST_F(WorkspaceTest, OpenListsFormsModulesAndControls)
{
    EXPECT_TRUE(ws.hasProject());
    EXPECT_EQ(ws.projectName(), u"Project1");
    const auto docs = ws.documents();
    ASSERT_EQ(docs.size(), 2);
    EXPECT_EQ(docs[0].kind, vbhost::DocumentKind::Form);
    EXPECT_EQ(docs[1].kind, vbhost::DocumentKind::Module);
    EXPECT_EQ(docs[1].name, u"Module1");
    const auto controls = ws.controls(docs[0].id);
    ASSERT_EQ(controls.size(), 7);
    EXPECT_EQ(controls[4].key, u"Option1(0)");
    EXPECT_EQ(controls[4].parentKey, u"Frame1");
    EXPECT_EQ(controls[4].depth, 1);
    EXPECT_EQ(controls[0].caption, u"Command1");
    EXPECT_EQ(controls[0].width, 1215);
    EXPECT_TRUE(controls[6].isMenu);
    EXPECT_EQ(controls[6].parentKey, u"mnuFile");
}

TEST_F(WorkspaceTest, MissingMemberNamesTheProjectLine)
{
    write(QStringLiteral("Broken.vbp"), "Form=Form1.frm\r\nForm=Gone.frm\r\n");
    ws.open(path(QStringLiteral("Broken.vbp")));
    ASSERT_EQ(ws.documents().size(), 1); // the rest of the project opens
    const QList<vbhost::MissingFile> missing = ws.missingFiles();
    ASSERT_EQ(missing.size(), 1);
    EXPECT_EQ(missing[0].line, 2);
    EXPECT_EQ(missing[0].path, u"Gone.frm");
    EXPECT_TRUE(missing[0].message.contains(QStringLiteral("Broken.vbp(2): ")));
}

TEST_F(WorkspaceTest, MalformedFormNamesItsFileAndLine)
{
    write(QStringLiteral("Bad.vbp"), "Form=Bad.frm\r\n");
    write(QStringLiteral("Bad.frm"),
          "VERSION 4.00\r\nBegin VB.Form Bad \r\n   Caption = \"x\"\r\n");
    try {
        ws.open(path(QStringLiteral("Bad.vbp")));
        ADD_FAILURE();
    } catch (const WorkspaceError &e) {
        EXPECT_TRUE(e.fileName().endsWith(QStringLiteral("Bad.frm"))) << e.text().toStdString();
        EXPECT_GT(e.line(), 0);
    }
}

TEST_F(WorkspaceTest, SelectionBelongsToTheActiveForm)
{
    QSignalSpy spy(&ws, &Workspace::selectionChanged);
    ws.setSelection({QStringLiteral("Command1")}); // no active form: ignored
    EXPECT_TRUE(ws.selection().isEmpty());
    ws.setActiveForm(form1Id());
    ws.setSelection({QStringLiteral("Text1"), QStringLiteral("nope"), QStringLiteral("Text1")});
    EXPECT_EQ(ws.selection(), QStringList{QStringLiteral("Text1")});
    ws.setActiveForm(-1);
    EXPECT_TRUE(ws.selection().isEmpty());
    ws.setActiveForm(form1Id());
    EXPECT_EQ(ws.selection(), QStringList{QStringLiteral("Text1")});
    EXPECT_GE(spy.count(), 3);
}

TEST_F(WorkspaceTest, DesignerEditsGoThroughValidation)
{
    const int id = form1Id();
    EXPECT_THROW(ws.setGeometry(id, QStringLiteral("Command1"), 0, 0, -10, 100), automation::Error);
    EXPECT_EQ(ws.property(id, QStringLiteral("Command1"), QStringLiteral("Left")),
              Value(qint32(120)));
    EXPECT_FALSE(ws.isModified());
    const QString key =
        ws.addControl(id, QStringLiteral("CheckBox"), QStringLiteral("Frame1"), 100, 500, 900, 255);
    EXPECT_EQ(key, u"Check1");
    const auto controls = ws.controls(id);
    const auto it =
        std::find_if(controls.begin(), controls.end(), [&](const auto &c) { return c.key == key; });
    ASSERT_NE(it, controls.end());
    EXPECT_EQ(it->parentKey, u"Frame1");
    EXPECT_EQ(it->top, 500);
    EXPECT_EQ(it->caption, u"Check1");
}

TEST_F(WorkspaceTest, RemovingAContainerRemovesWhatItHolds)
{
    const int id = form1Id();
    ws.removeControls(id, {QStringLiteral("Frame1")});
    for (const auto &c : ws.controls(id))
        EXPECT_NE(c.key, u"Option1(0)");
    ws.save();
    EXPECT_FALSE(read(QStringLiteral("Form1.frm")).contains("Option1"));
}

TEST_F(WorkspaceTest, PropertyListShowsStoredAndDefaultValues)
{
    const auto props = ws.properties(form1Id(), QStringLiteral("Command1"));
    bool sawCaption = false, sawCancel = false;
    for (const auto &p : props) {
        if (p.name == u"Caption") {
            sawCaption = true;
            EXPECT_TRUE(p.stored);
            EXPECT_EQ(p.value, Value("Command1"));
        }
        if (p.name == u"Cancel") {
            sawCancel = true;
            EXPECT_FALSE(p.stored);
            EXPECT_EQ(p.value, Value(false));
        }
    }
    EXPECT_TRUE(sawCaption);
    EXPECT_TRUE(sawCancel);
}

TEST_F(WorkspaceTest, CodeEditsAreSavedWithTheFileLineEnds)
{
    const int module = ws.documents()[1].id;
    ws.setCode(module, QStringLiteral("Option Explicit\nPublic Total As Long\n"));
    ws.save();
    EXPECT_EQ(read(QStringLiteral("Module1.bas")),
              "Attribute VB_Name = \"Module1\"\r\nOption Explicit\r\nPublic Total As Long\r\n");
}

TEST_F(WorkspaceTest, AFailedSaveKeepsTheChangesAndSaysWhichFile)
{
    const int module = ws.documents()[1].id;
    ws.setCode(module, QStringLiteral("Public Total As Long\n"));
    // Something in the way of the module's file: the write cannot replace it.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Module1.bas"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Module1.bas")));
    try {
        ws.save();
        ADD_FAILURE() << "save reported success";
    } catch (const WorkspaceError &e) {
        EXPECT_TRUE(e.fileName().endsWith(QStringLiteral("Module1.bas"))) << e.text().toStdString();
    }
    EXPECT_TRUE(ws.isModified());
    EXPECT_EQ(ws.code(module), u"Public Total As Long\n");
}
