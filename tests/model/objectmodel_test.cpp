#include "projectfixture.h"

#include <QSignalSpy>

using automation::Error;
using automation::Value;
using automation::Values;
using vbhost::Workspace;

namespace {

QStringList names(const ProjectFixture &, const Values &objects)
{
    QStringList out;
    for (const Value &o : objects)
        out << automation::invoke(o, QStringLiteral("Name")).toString();
    return out;
}

} // namespace

class ObjectModelTest : public ProjectFixture
{
};

TEST_F(ObjectModelTest, NoProjectMeansNothingAndCallsThroughItFail)
{
    ws.close();
    const Value p = project();
    EXPECT_TRUE(p.isObject());
    EXPECT_FALSE(p.toObject());
    expectError(91, [&] { call(p, QStringLiteral("ActiveForm")); });
}

TEST_F(ObjectModelTest, NoActiveFormIsNothing)
{
    EXPECT_FALSE(call(project(), QStringLiteral("ActiveForm")).toObject());
    expectError(91, [&] {
        call(call(project(), QStringLiteral("ActiveForm")),
             QStringLiteral("SelectedControlTemplates"));
    });
}

TEST_F(ObjectModelTest, ObjectsOfAClosedProjectGoStale)
{
    const Value form = activateForm1();
    ws.close();
    expectError(91, [&] { prop(form, QStringLiteral("Caption")); });
}

TEST_F(ObjectModelTest, ValuesReadFromTheFileAreTyped)
{
    const Value form = activateForm1();
    const Value controls = call(form, QStringLiteral("ControlTemplates"));
    const Value text1 = call(controls, QStringLiteral("Item"), {"Text1"});
    const Value label1 = call(controls, QStringLiteral("Item"), {"Label1"});
    EXPECT_EQ(prop(text1, QStringLiteral("Top")), Value(qint32(480)));
    EXPECT_EQ(prop(text1, QStringLiteral("Left")), Value(100.5));
    EXPECT_EQ(prop(text1, QStringLiteral("Text")), Value("Text1"));
    EXPECT_EQ(prop(label1, QStringLiteral("Enabled")), Value(false));
    EXPECT_EQ(prop(label1, QStringLiteral("Caption")),
              Value(QString::fromUtf8("Café \"au\" lait")));
    // Not in the file: the class default.
    EXPECT_EQ(prop(text1, QStringLiteral("Visible")), Value(true));
    EXPECT_EQ(prop(form, QStringLiteral("BorderStyle")), Value(qint32(2)));
    EXPECT_EQ(prop(form, QStringLiteral("Name")), Value("Form1"));
}

TEST_F(ObjectModelTest, UnknownPropertyRaises422)
{
    const Value form = activateForm1();
    expectError(422, [&] { call(form, QStringLiteral("Properties"), {"NoSuchThing"}); });
    const Value props = call(form, QStringLiteral("Properties"));
    expectError(422, [&] { call(props, QStringLiteral("Item"), {"NoSuchThing"}); });
    expectError(422, [&] {
        automation::assign(props, QStringLiteral("Item"), {"NoSuchThing"}, qint16(1));
    });
}

TEST_F(ObjectModelTest, RefusedValueRaises380AndChangesNothing)
{
    const Value form = activateForm1();
    expectError(380, [&] { setProp(form, QStringLiteral("BorderStyle"), qint16(9)); });
    expectError(380, [&] { setProp(form, QStringLiteral("Width"), qint16(-5)); });
    EXPECT_EQ(prop(form, QStringLiteral("BorderStyle")), Value(qint32(2)));
    EXPECT_FALSE(ws.isModified());
}

TEST_F(ObjectModelTest, PropertyNamesMatchWithoutRegardToCase)
{
    const Value form = activateForm1();
    const Value props = call(form, QStringLiteral("Properties"));
    automation::assign(props, QStringLiteral("Item"), {"borderstyle"}, qint16(0));
    automation::assign(props, QStringLiteral("item"), {"Controlbox"}, false);
    EXPECT_EQ(prop(form, QStringLiteral("BORDERSTYLE")), Value(qint32(0)));
    EXPECT_EQ(prop(form, QStringLiteral("ControlBox")), Value(false));
    const Value p = call(props, QStringLiteral("Item"), {"controlbox"});
    EXPECT_EQ(call(p, QStringLiteral("Name")), Value("ControlBox"));
    ws.save();
    const QByteArray bytes = read(QStringLiteral("Form1.frm"));
    EXPECT_TRUE(bytes.contains("   BorderStyle     =   0\r\n")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("   ControlBox      =   0   'False\r\n"));
}

TEST_F(ObjectModelTest, PropertiesCollectionCountsAndEnumeratesTheClassProperties)
{
    const Value form = activateForm1();
    const Value props = call(form, QStringLiteral("Properties"));
    const Values all = automation::enumerate(props);
    EXPECT_EQ(call(props, QStringLiteral("Count")).toLong(), all.size());
    QStringList list = names(*this, all);
    EXPECT_TRUE(list.contains(QStringLiteral("Caption")));
    EXPECT_TRUE(list.contains(QStringLiteral("BorderStyle")));
    EXPECT_EQ(list.first(), u"Name");
}

TEST_F(ObjectModelTest, SelectedControlsEnumerateInSelectionOrder)
{
    const Value form = activateForm1();
    ws.setSelection(
        {QStringLiteral("Label1"), QStringLiteral("Command1"), QStringLiteral("Option1(0)")});
    const Value sel = call(form, QStringLiteral("SelectedControlTemplates"));
    EXPECT_EQ(call(sel, QStringLiteral("Count")).toLong(), 3);
    EXPECT_EQ(names(*this, automation::enumerate(sel)),
              QStringList({"Label1", "Command1", "Option1"}));
    EXPECT_EQ(ws.selection(), QStringList({"Label1", "Command1", "Option1(0)"}));
}

TEST_F(ObjectModelTest, AligningSelectedControlsThroughTheModel)
{
    // The way the layout tools use it: read every Left, then write the smallest to all.
    const Value form = activateForm1();
    ws.setSelection({QStringLiteral("Text1"), QStringLiteral("Command1")});
    const Values sel =
        automation::enumerate(call(form, QStringLiteral("SelectedControlTemplates")));
    double r = 99999;
    for (const Value &c : sel)
        r = std::min(r, prop(c, QStringLiteral("Left")).toDouble());
    for (const Value &c : sel)
        setProp(c, QStringLiteral("Left"), qint32(r));
    const auto controls = ws.controls(form1Id());
    for (const auto &c : controls) {
        if (c.key == u"Text1" || c.key == u"Command1") {
            EXPECT_EQ(c.left, 100) << c.key.toStdString();
        }
    }
}

TEST_F(ObjectModelTest, ControlTemplatesAddGivesUniqueNames)
{
    const Value form = activateForm1();
    const Value controls = call(form, QStringLiteral("ControlTemplates"));
    const qint32 before = call(controls, QStringLiteral("Count")).toLong();
    const Value t1 = call(controls, QStringLiteral("Add"), {"Timer"});
    const Value t2 = call(controls, QStringLiteral("Add"), {"VB.Timer"});
    const Value b2 = call(controls, QStringLiteral("Add"), {"CommandButton"});
    EXPECT_EQ(call(t1, QStringLiteral("Name")), Value("Timer1"));
    EXPECT_EQ(call(t2, QStringLiteral("Name")), Value("Timer2"));
    EXPECT_EQ(call(b2, QStringLiteral("Name")), Value("Command2"));
    EXPECT_EQ(call(controls, QStringLiteral("Count")).toLong(), before + 3);
    expectError(711, [&] { call(controls, QStringLiteral("Add"), {"NoSuchClass"}); });
}

TEST_F(ObjectModelTest, RenamingToANameInUseIsRefused)
{
    const Value form = activateForm1();
    const Value t =
        call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Add"), {"Timer"});
    try {
        setProp(t, QStringLiteral("name"), "Command1");
        ADD_FAILURE() << "renamed onto an existing control";
    } catch (const Error &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("already in use")));
    }
    setProp(t, QStringLiteral("name"), "tmrExitNotify");
    EXPECT_EQ(call(t, QStringLiteral("Name")), Value("tmrExitNotify"));
    setProp(t, QStringLiteral("enabled"), false); // the same object after the rename
    EXPECT_EQ(prop(t, QStringLiteral("Enabled")), Value(false));
}

TEST_F(ObjectModelTest, AddMenuTemplateNestsAndBuildsMenuArrays)
{
    const Value form = activateForm1();
    const Value top = call(form, QStringLiteral("AddMenuTemplate"), {"menuedit", Value::nothing()});
    setProp(top, QStringLiteral("Caption"), "&Edit");
    for (int i = 0; i < 3; ++i) {
        const Value item = call(form, QStringLiteral("AddMenuTemplate"), {"edit", top});
        setProp(item, QStringLiteral("Caption"),
                i == 1 ? QStringLiteral("-") : QStringLiteral("&Item"));
        if (i == 0)
            setProp(item, QStringLiteral("Shortcut"), qint16(26));
        setProp(item, QStringLiteral("Index"), qint16(i));
        if (i == 2)
            setProp(item, QStringLiteral("checked"), true);
    }
    const auto controls = ws.controls(form1Id());
    QStringList keys;
    for (const auto &c : controls) {
        if (c.isMenu)
            keys << QStringLiteral("%1>%2").arg(c.parentKey, c.key);
    }
    EXPECT_EQ(keys, QStringList({">mnuFile", "mnuFile>mnuOpen", ">menuedit", "menuedit>edit(0)",
                                 "menuedit>edit(1)", "menuedit>edit(2)"}));

    // A second top-level menu of the same name is refused with a message saying why.
    try {
        call(form, QStringLiteral("AddMenuTemplate"), {"menuedit", Value::nothing()});
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("already in use")));
    }
    // A control that is not a menu cannot hold menus.
    const Value cmd =
        call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Item"), {"Command1"});
    EXPECT_THROW(call(form, QStringLiteral("AddMenuTemplate"), {"x", cmd}), Error);

    ws.save();
    const QByteArray bytes = read(QStringLiteral("Form1.frm"));
    EXPECT_TRUE(bytes.contains("   Begin VB.Menu menuedit \r\n"
                               "      Caption         =   \"&Edit\"\r\n"
                               "      Begin VB.Menu edit \r\n"))
        << bytes.constData();
    EXPECT_TRUE(bytes.contains("Shortcut        =   ^Z\r\n"));
    EXPECT_TRUE(bytes.contains("Checked         =   -1  'True\r\n"));
}

TEST_F(ObjectModelTest, MenuShortcutsReadAsCodes)
{
    const Value form = activateForm1();
    const Value open =
        call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Item"), {"mnuOpen"});
    EXPECT_EQ(prop(open, QStringLiteral("shortcut")), Value(qint32(1)));
    setProp(open, QStringLiteral("Shortcut"), qint16(30));
    EXPECT_EQ(prop(open, QStringLiteral("Shortcut")), Value(qint32(30)));
    setProp(open, QStringLiteral("Shortcut"), qint16(0));
    ws.save();
    EXPECT_FALSE(read(QStringLiteral("Form1.frm")).contains("Shortcut"));
}

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

TEST_F(ObjectModelTest, UntouchedBytesSurviveSave)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Caption"), "Main");
    ws.save();
    QByteArray expected = Form1;
    expected.replace("Caption         =   \"Form1\"", "Caption         =   \"Main\"");
    EXPECT_EQ(read(QStringLiteral("Form1.frm")), expected);
    EXPECT_EQ(read(QStringLiteral("Module1.bas")), Module1);
    EXPECT_EQ(read(QStringLiteral("Project1.vbp")), Project1);
}

TEST_F(ObjectModelTest, RenamingAFormKeepsTheProjectPointingAtIt)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Name"), "frmMain");
    ws.save();
    const QByteArray vbp = read(QStringLiteral("Project1.vbp"));
    EXPECT_TRUE(vbp.contains("IconForm=\"frmMain\"\r\n")) << vbp.constData();
    EXPECT_TRUE(vbp.contains("Form=Form1.frm\r\n"));
    const QByteArray frm = read(QStringLiteral("Form1.frm"));
    EXPECT_TRUE(frm.contains("Begin VB.Form frmMain \r\n"));
    EXPECT_TRUE(frm.contains("Attribute VB_Name = \"frmMain\"\r\n"));
}

TEST_F(ObjectModelTest, FormHeightKeepsTheClientAreaInStep)
{
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Height"), qint16(3400));
    EXPECT_EQ(prop(form, QStringLiteral("Height")), Value(qint32(3400)));
    EXPECT_EQ(prop(form, QStringLiteral("ClientHeight")), Value(qint32(2995)));
    EXPECT_EQ(prop(form, QStringLiteral("ScaleHeight")), Value(qint32(2995)));
}

TEST_F(ObjectModelTest, ChangesFromAddInsAreAnnounced)
{
    QSignalSpy changed(&ws, &Workspace::changed);
    QSignalSpy modified(&ws, &Workspace::modifiedChanged);
    const Value form = activateForm1();
    setProp(form, QStringLiteral("Caption"), "X");
    EXPECT_GE(changed.count(), 1);
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified[0][0].toBool());
}

TEST_F(ObjectModelTest, AGeneralMenuRunBuildsItsArraysAndASecondRunIsRefused)
{
    struct Row
    {
        const char *top;
        const char *array;
        QStringList captions;
    };
    const Row rows[] = {{"menufile", "file", {"&New", "&Open", "&Save", "-", "&Exit"}},
                        {"menuView", "view", {"&Toolbar", "&Status Bar"}},
                        {"menuhelp", "help", {"&Contents", "-", "&About"}}};
    const Value form = activateForm1();
    for (const Row &r : rows) {
        const Value top = call(form, QStringLiteral("AddMenuTemplate"),
                               {QString::fromLatin1(r.top), Value::nothing()});
        setProp(top, QStringLiteral("Caption"), QString::fromLatin1(r.top));
        for (qint16 i = 0; i < r.captions.size(); ++i) {
            const Value item =
                call(form, QStringLiteral("AddMenuTemplate"), {QString::fromLatin1(r.array), top});
            setProp(item, QStringLiteral("Caption"), r.captions[i]);
            if (i == 1)
                setProp(item, QStringLiteral("Shortcut"), qint16(15));
            if (i == 2)
                setProp(item, QStringLiteral("Enabled"), false);
            setProp(item, QStringLiteral("Index"), i);
            if (r.array == QByteArray("view"))
                setProp(item, QStringLiteral("checked"), true);
        }
    }
    ws.save();
    Workspace again;
    again.open(path(QStringLiteral("Project1.vbp")));
    const int id = again.documents()[0].id;
    QStringList items;
    for (const auto &c : again.controls(id)) {
        if (c.isMenu && c.depth == 1 && c.index >= 0)
            items << c.key;
    }
    EXPECT_EQ(items, QStringList({"file(0)", "file(1)", "file(2)", "file(3)", "file(4)", "view(0)",
                                  "view(1)", "help(0)", "help(1)", "help(2)"}));
    EXPECT_EQ(again.property(id, QStringLiteral("file(1)"), QStringLiteral("Shortcut")),
              Value(qint32(15)));
    EXPECT_EQ(again.property(id, QStringLiteral("file(2)"), QStringLiteral("Enabled")),
              Value(false));
    EXPECT_EQ(again.property(id, QStringLiteral("view(1)"), QStringLiteral("Checked")),
              Value(true));

    // The same run again stops at its first addition; nothing is added.
    const int before = int(ws.controls(form1Id()).size());
    expectError(727, [&] {
        call(form, QStringLiteral("AddMenuTemplate"), {"menufile", Value::nothing()});
    });
    EXPECT_EQ(ws.controls(form1Id()).size(), before);
}
