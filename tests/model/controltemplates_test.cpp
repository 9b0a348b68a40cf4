#include "objectmodelfixture.h"

using automation::Error;
using automation::Value;
using vbhost::Workspace;

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

TEST_F(ObjectModelTest, SelectionStaysInTheContainerChosenLast)
{
    const Value form = activateForm1();
    ws.setSelection({"Command1", "Text1", "Option1(0)"});
    EXPECT_EQ(ws.selection(), QStringList({"Option1(0)"}));
    ws.setSelection({"Option1(0)", "Command1", "Frame1"});
    EXPECT_EQ(ws.selection(), QStringList({"Command1", "Frame1"}));
    EXPECT_EQ(call(call(form, QStringLiteral("SelectedControlTemplates")), QStringLiteral("Count"))
                  .toLong(),
              2);
}

TEST_F(ObjectModelTest, DropDownComboKeepsItsHeight)
{
    const Value form = activateForm1();
    const Value combo =
        call(call(form, QStringLiteral("ControlTemplates")), QStringLiteral("Add"), {"ComboBox"});
    const Value height = prop(combo, QStringLiteral("Height"));
    for (qint16 style : {0, 2}) {
        setProp(combo, QStringLiteral("Style"), style);
        setProp(combo, QStringLiteral("Height"), qint16(1815));
        EXPECT_EQ(prop(combo, QStringLiteral("Height")), height) << style;
    }
    setProp(combo, QStringLiteral("Style"), qint16(1));
    setProp(combo, QStringLiteral("Height"), qint16(1815));
    EXPECT_EQ(prop(combo, QStringLiteral("Height")).toDouble(), 1815);
}
