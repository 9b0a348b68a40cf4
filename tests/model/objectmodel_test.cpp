#include "objectmodelfixture.h"

#include <QSignalSpy>

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
        {QStringLiteral("Label1"), QStringLiteral("Command1"), QStringLiteral("Text1")});
    const Value sel = call(form, QStringLiteral("SelectedControlTemplates"));
    EXPECT_EQ(call(sel, QStringLiteral("Count")).toLong(), 3);
    EXPECT_EQ(names(*this, automation::enumerate(sel)),
              QStringList({"Label1", "Command1", "Text1"}));
    EXPECT_EQ(ws.selection(), QStringList({"Label1", "Command1", "Text1"}));
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
