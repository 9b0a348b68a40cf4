#include "objectmodelfixture.h"

using automation::Error;
using automation::Value;
using vbhost::Workspace;

TEST_F(ObjectModelTest, InsertFileAppendsToTheCode)
{
    const Value form = activateForm1();
    write(QStringLiteral("temp.MOD"), "Private Sub X()\r\nEnd Sub\r\n");
    call(form, QStringLiteral("InsertFile"), {path(QStringLiteral("temp.MOD"))});
    EXPECT_TRUE(ws.code(form1Id()).endsWith(QStringLiteral("End Sub\nPrivate Sub X()\nEnd Sub\n")))
        << ws.code(form1Id()).toStdString();
    ws.save();
    EXPECT_TRUE(read(QStringLiteral("Form1.frm"))
                    .endsWith("    MsgBox \"Hi\"\r\nEnd Sub\r\nPrivate Sub X()\r\nEnd Sub\r\n"));
}

// Inserted text is sorted as the environment sorts it: declarations to the end of the
// declarations section, procedures after the last one.
struct InsertCase
{
    const char *what;
    const char *code;
    const char *text;
    const char *result;
};

class InsertFileTest : public ObjectModelTest, public ::testing::WithParamInterface<InsertCase>
{
};

TEST_P(InsertFileTest, PutsDeclarationsAndProceduresWhereTheyBelong)
{
    const Value form = activateForm1();
    ws.setCode(form1Id(), QString::fromLatin1(GetParam().code));
    write(QStringLiteral("temp.MOD"), GetParam().text);
    call(form, QStringLiteral("InsertFile"), {path(QStringLiteral("temp.MOD"))});
    EXPECT_EQ(ws.code(form1Id()), QString::fromLatin1(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertFileTest,
    ::testing::Values(
        InsertCase{"WithProcedures", "Option Explicit\nDim a\n\nSub A()\nEnd Sub\n",
                   "Dim b\r\nSub B()\r\nEnd Sub\r\n",
                   "Option Explicit\nDim a\nDim b\n\nSub A()\nEnd Sub\nSub B()\nEnd Sub\n"},
        InsertCase{"WithoutProcedures", "Dim a\n", "Dim b\nSub B()\nEnd Sub\n",
                   "Dim a\nDim b\nSub B()\nEnd Sub\n"},
        InsertCase{"OnlyDeclarations", "Sub A()\nEnd Sub\n", "Const C = 1\n",
                   "Const C = 1\nSub A()\nEnd Sub\n"},
        InsertCase{"OptionExplicitOnly", "Option Explicit\n",
                   "Private Declare Function F Lib \"k\" () As Long\nSub B()\nEnd Sub\n",
                   "Option Explicit\nPrivate Declare Function F Lib \"k\" () As Long\nSub "
                   "B()\nEnd Sub\n"},
        InsertCase{"CommentsStayWithTheirProcedure", "Dim a\n' about A\nPrivate Sub A()\nEnd Sub\n",
                   "Type T\n  x As Long\nEnd Type\n' about B\nPublic Function B()\nEnd Function\n",
                   "Dim a\nType T\n  x As Long\nEnd Type\n' about A\nPrivate Sub A()\nEnd "
                   "Sub\n' about B\nPublic Function B()\nEnd Function\n"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(ObjectModelTest, InsertFileOfAMissingFileRaises53)
{
    const Value form = activateForm1();
    expectError(53, [&] {
        call(form, QStringLiteral("InsertFile"), {path(QStringLiteral("nothere.MOD"))});
    });
    EXPECT_FALSE(ws.isModified());
}

TEST_F(ObjectModelTest, ScreenSaverSkeletonSurvivesSaveAndReopen)
{
    write(QStringLiteral("kzlsav.MOD"), "Sub DoGraphics()\r\nEnd Sub\r\n");
    const Value form = call(project(), QStringLiteral("AddFormTemplate"));
    EXPECT_EQ(call(form, QStringLiteral("Name")), Value("Form2"));
    const Value p = call(form, QStringLiteral("Properties"));
    const auto set = [&](const Value &props, const char *name, const Value &v) {
        automation::assign(props, QStringLiteral("Item"), {QString::fromLatin1(name)}, v);
    };
    set(p, "borderstyle", qint16(0));
    set(p, "Controlbox", false);
    set(p, "Caption", "");
    set(p, "Height", qint16(3400));
    set(p, "Name", "scnsvr");
    set(p, "Width", qint16(4300));
    set(p, "Left", qint16(2000));
    set(p, "Top", qint16(2000));
    set(p, "WindowState", qint16(2));
    const Value timer =
        call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Add"), {"Timer"});
    const Value tp = call(timer, QStringLiteral("Properties"));
    set(tp, "name", "tmrExitNotify");
    set(tp, "enabled", false);
    set(tp, "left", qint16(10));
    set(tp, "top", qint16(10));
    set(tp, "interval", qint16(1));
    call(form, QStringLiteral("InsertFile"), {path(QStringLiteral("kzlsav.MOD"))});
    EXPECT_TRUE(ws.isModified());
    ws.save();
    EXPECT_FALSE(ws.isModified());

    const QByteArray vbp = read(QStringLiteral("Project1.vbp"));
    EXPECT_TRUE(vbp.contains("Form=scnsvr.frm\r\n")) << vbp.constData();
    EXPECT_TRUE(read(QStringLiteral("scnsvr.frm")).contains("Sub DoGraphics()"));

    Workspace again;
    again.open(path(QStringLiteral("Project1.vbp")));
    int id = -1;
    for (const auto &d : again.documents()) {
        if (d.name == u"scnsvr")
            id = d.id;
    }
    ASSERT_NE(id, -1);
    EXPECT_EQ(again.property(id, {}, QStringLiteral("BorderStyle")), Value(qint32(0)));
    EXPECT_EQ(again.property(id, {}, QStringLiteral("ControlBox")), Value(false));
    EXPECT_EQ(again.property(id, {}, QStringLiteral("Caption")), Value(""));
    EXPECT_EQ(again.property(id, {}, QStringLiteral("Height")), Value(qint32(3400)));
    EXPECT_EQ(again.property(id, {}, QStringLiteral("Width")), Value(qint32(4300)));
    EXPECT_EQ(again.property(id, {}, QStringLiteral("WindowState")), Value(qint32(2)));
    EXPECT_EQ(again.property(id, QStringLiteral("tmrExitNotify"), QStringLiteral("Interval")),
              Value(qint32(1)));
    EXPECT_EQ(again.property(id, QStringLiteral("tmrExitNotify"), QStringLiteral("Enabled")),
              Value(false));
    EXPECT_EQ(again.property(id, QStringLiteral("tmrExitNotify"), QStringLiteral("Left")),
              Value(qint32(10)));
}

TEST_F(ObjectModelTest, AddFormTemplateNamesFormsUniquely)
{
    const Value f2 = call(project(), QStringLiteral("AddFormTemplate"));
    const Value f3 = call(project(), QStringLiteral("AddFormTemplate"));
    EXPECT_EQ(call(f2, QStringLiteral("Name")), Value("Form2"));
    EXPECT_EQ(call(f3, QStringLiteral("Name")), Value("Form3"));
    // A form cannot take the name of another part of the project.
    expectError(727, [&] { setProp(f3, QStringLiteral("Name"), "module1"); });
    EXPECT_EQ(ws.documents().size(), 4);
}

TEST_F(ObjectModelTest, AddFileAddsTheFileToTheProject)
{
    QDir(dir.path()).mkpath(QStringLiteral("lib"));
    write(QStringLiteral("lib/Class1.cls"), Class1);
    call(project(), QStringLiteral("AddFile"), {path(QStringLiteral("lib/Class1.cls"))});
    ASSERT_EQ(ws.documents().size(), 3);
    EXPECT_EQ(ws.documents()[2].name, u"Class1");
    EXPECT_EQ(ws.documents()[2].kind, vbhost::DocumentKind::Class);
    ws.save();
    EXPECT_TRUE(read(QStringLiteral("Project1.vbp")).contains("Class=Class1; lib\\Class1.cls\r\n"));
    EXPECT_EQ(read(QStringLiteral("lib/Class1.cls")), Class1); // referenced, not rewritten
}

TEST_F(ObjectModelTest, RenamedModuleKeepsItsFileAndIsUndone)
{
    const int module = ws.documents()[1].id;
    EXPECT_THROW(ws.renameMember(module, QStringLiteral("Form1")), automation::Error);
    ws.renameMember(module, QStringLiteral("Helpers"));
    ws.save();
    EXPECT_TRUE(read(QStringLiteral("Project1.vbp")).contains("Module=Helpers; Module1.bas\r\n"));
    EXPECT_TRUE(read(QStringLiteral("Module1.bas")).startsWith("Attribute VB_Name = \"Helpers\""));
    ws.undo();
    EXPECT_EQ(ws.document(module).name, u"Module1");
}

TEST_F(ObjectModelTest, AddFileRefusesDuplicatesAndMissingFiles)
{
    QDir(dir.path()).mkpath(QStringLiteral("other"));
    write(QStringLiteral("other/Module1.bas"), Module1);
    try {
        call(project(), QStringLiteral("AddFile"), {path(QStringLiteral("other/Module1.bas"))});
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("Module1")));
        EXPECT_TRUE(e.description().contains(QStringLiteral("already")));
    }
    try {
        call(project(), QStringLiteral("AddFile"), {path(QStringLiteral("Module1.bas"))});
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("already in the project")));
    }
    expectError(53, [&] { call(project(), QStringLiteral("AddFile"), {path("none.bas")}); });
    write(QStringLiteral("bad.frm"), "VERSION 4.00\r\nBegin VB.Form X\r\n"); // no End
    expectError(321, [&] { call(project(), QStringLiteral("AddFile"), {path("bad.frm")}); });
    EXPECT_EQ(ws.documents().size(), 2);
    EXPECT_FALSE(ws.isModified());
}
