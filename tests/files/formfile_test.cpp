#include "fixtures.h"
#include "ide/files/codepage1252.h"
#include "ide/files/formfile.h"
#include "ide/files/parseerror.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

QStringList displayNames(const QList<ControlNode *> &nodes)
{
    QStringList out;
    for (const ControlNode *n : nodes)
        out.append(n->displayName());
    return out;
}

FormFile reread(const FormFile &f)
{
    return FormFile::fromBytes(f.toBytes(), f.fileName());
}

TEST(FormReadTest, Vb4FormGivesTreeInFileOrder)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    EXPECT_EQ(f.kind(), FormFile::Kind::Form);
    EXPECT_EQ(f.version(), QStringLiteral("4.00"));
    ASSERT_NE(f.root(), nullptr);
    EXPECT_EQ(f.root()->className(), QStringLiteral("VB.Form"));
    EXPECT_EQ(f.root()->name(), QStringLiteral("frmMain"));
    EXPECT_EQ(
        displayNames(f.controls()),
        (QStringList{"fraOptions", "optKind(0)", "optKind(1)", "cmdOK", "lblTotal", "mnuFile",
                     "mnuFileOpen", "mnuFileSep", "mnuFileExit", "mnuHelp", "mnuHelpContents"}));
    const ControlNode *opt = f.findControl(QStringLiteral("optKind"), 1);
    ASSERT_NE(opt, nullptr);
    EXPECT_EQ(opt->parent()->name(), QStringLiteral("fraOptions"));
    EXPECT_EQ(opt->shortClassName(), QStringLiteral("OptionButton"));
    EXPECT_EQ(opt->property(QStringLiteral("caption"))->value().text, QStringLiteral("Crédit"));
}

TEST(FormReadTest, CaptionsDecodeFromWindows1252)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    EXPECT_EQ(f.root()->property(QStringLiteral("Caption"))->value().text,
              QStringLiteral("Grand Livre \u2013 Café"));
    EXPECT_EQ(f.findControl(QStringLiteral("lblTotal"))->property("Caption")->value().text,
              QStringLiteral("Say \"hello\" über"));
}

TEST(FormReadTest, PropertyValuesKeepTextCommentAndKind)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb5form.frm")));
    const FormProperty border = *f.root()->property(QStringLiteral("BorderStyle"));
    EXPECT_EQ(border.valueText, QStringLiteral("3"));
    EXPECT_EQ(border.comment, QStringLiteral("Fixed Dialog"));
    EXPECT_EQ(border.value().kind, PropertyValue::Kind::Number);
    EXPECT_EQ(border.line, 5);

    const PropertyValue back = f.findControl("fraInner")->property("BackColor")->value();
    EXPECT_EQ(back.kind, PropertyValue::Kind::Colour);
    EXPECT_EQ(back.colour, 0x00C0FFFFu);

    const PropertyValue text = f.findControl("txtNotes")->property("Text")->value();
    EXPECT_EQ(text.kind, PropertyValue::Kind::FrxRef);
    EXPECT_TRUE(text.frxDollar);
    EXPECT_EQ(text.frxFile, QStringLiteral("Options.frx"));
    EXPECT_EQ(text.frxOffset, 0x08CAu);

    const PropertyValue pic = f.findControl("imgLogo")->property("Picture")->value();
    EXPECT_EQ(pic.kind, PropertyValue::Kind::FrxRef);
    EXPECT_FALSE(pic.frxDollar);
}

TEST(FormReadTest, PropertyBlocksStayOutOfTheProperties)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb5form.frm")));
    const ControlNode *list = f.findControl(QStringLiteral("lvwItems"));
    EXPECT_EQ(list->propertyBlockNames(), (QStringList{"ColumnHeader(1)", "ColumnHeader(2)"}));
    EXPECT_FALSE(list->hasProperty(QStringLiteral("Text")));
    EXPECT_EQ(list->className(), QStringLiteral("MSComctlLib.ListView"));
    const ControlNode *notes = f.findControl(QStringLiteral("txtNotes"));
    EXPECT_EQ(notes->propertyBlockNames(), QStringList{"Font"});
    EXPECT_EQ(notes->parent()->parent()->parent()->name(), QStringLiteral("fraOuter"));
    EXPECT_EQ(f.objectReferences().size(), 2);
}

TEST(FormReadTest, MenusNestWithTheirShortcutsAsStored)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb5form.frm")));
    const ControlNode *bold = f.findControl(QStringLiteral("mnuEditFormatBold"));
    ASSERT_NE(bold, nullptr);
    EXPECT_TRUE(bold->isMenu());
    EXPECT_EQ(bold->parent()->name(), QStringLiteral("mnuEditFormat"));
    EXPECT_EQ(bold->propertyText(QStringLiteral("Shortcut")), QStringLiteral("+^{F2}"));
    EXPECT_EQ(bold->propertyText(QStringLiteral("Checked")), QStringLiteral("-1"));
    EXPECT_EQ(f.findControl("mnuPopupItem", 1)->index(), 1);
    EXPECT_EQ(f.findControl("mnuPopup")->propertyText("Visible"), QStringLiteral("0"));
}

TEST(FormReadTest, BareClassNamesAreRead)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("bareclasses.frm")));
    EXPECT_EQ(f.root()->className(), QStringLiteral("Form"));
    EXPECT_EQ(f.findControl("Command1")->shortClassName(), QStringLiteral("CommandButton"));
    // New controls follow the file's own way of naming classes.
    ControlNode *added = f.root()->addChild(QStringLiteral("TextBox"), QStringLiteral("Text1"));
    EXPECT_EQ(added->className(), QStringLiteral("TextBox"));
    EXPECT_TRUE(f.toBytes().contains("\r\n   Begin TextBox Text1\r\n   End\r\n"));
}

TEST(FormReadTest, ClassAndModuleHeaders)
{
    const FormFile cls = FormFile::load(fixtures::path(QStringLiteral("vb5class.cls")));
    EXPECT_EQ(cls.kind(), FormFile::Kind::Class);
    EXPECT_EQ(cls.root()->propertyText(QStringLiteral("Persistable")), QStringLiteral("0"));
    EXPECT_EQ(cls.moduleName(), QStringLiteral("Entry"));
    EXPECT_TRUE(cls.controls().isEmpty());
    EXPECT_EQ(cls.code(), QStringLiteral("Option Explicit\nPublic Amount As Double\n"));

    const FormFile vb4 = FormFile::load(fixtures::path(QStringLiteral("vb4class.cls")));
    // An attribute inside a procedure belongs to the code.
    EXPECT_TRUE(vb4.code().contains(QStringLiteral("Attribute Balance.VB_UserMemId = 0")));
    EXPECT_EQ(vb4.attribute(QStringLiteral("VB_Exposed")), QStringLiteral("True"));

    const FormFile bas = FormFile::load(fixtures::path(QStringLiteral("vb4module.bas")));
    EXPECT_EQ(bas.kind(), FormFile::Kind::Module);
    EXPECT_EQ(bas.root(), nullptr);
    EXPECT_EQ(bas.moduleName(), QStringLiteral("Globals"));
    EXPECT_EQ(bas.codeLines().first(), QStringLiteral("Option Explicit"));
    EXPECT_EQ(bas.codeFirstLine(), 2);

    const FormFile plain = FormFile::load(fixtures::path(QStringLiteral("plaincode.bas")));
    EXPECT_TRUE(plain.attributeNames().isEmpty());
    EXPECT_EQ(plain.codeLines().size(), 4);
}

TEST(FormReadTest, OddSpacingAndCommentsAreUnderstood)
{
    const FormFile f = FormFile::load(fixtures::path(QStringLiteral("oddspacing.frm")));
    EXPECT_EQ(f.root()->name(), QStringLiteral("Form2"));
    EXPECT_EQ(f.root()->propertyText(QStringLiteral("Caption")), QStringLiteral("\"Odd\""));
    const FormProperty tag = *f.root()->property(QStringLiteral("Tag"));
    EXPECT_EQ(tag.value().text, QStringLiteral("x = 'y'"));
    EXPECT_EQ(tag.comment, QStringLiteral("trailing remark"));
    EXPECT_EQ(f.findControl("Text1")->propertyText("Height"), QStringLiteral("285"));
    EXPECT_EQ(f.attribute(QStringLiteral("VB_Exposed")), QStringLiteral("False"));
    EXPECT_FALSE(f.code().endsWith(QLatin1Char('\n')));
}

TEST(FormEditTest, SetPropertyKeepsTheLayoutOfTheLine)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    f.findControl("cmdOK")->setProperty(QStringLiteral("left"), QStringLiteral("4000"));
    f.findControl("cmdOK")->setProperty(QStringLiteral("Default"), QStringLiteral("0"));
    f.findControl("lblTotal")->setProperty("Caption", quoteString(QStringLiteral("Grüße \"x\"")));
    const QByteArray bytes = f.toBytes();
    EXPECT_TRUE(bytes.contains("      Left            =   4000\r\n"));
    // The old comment described the old value.
    EXPECT_TRUE(bytes.contains("      Default         =   0\r\n"));
    EXPECT_TRUE(bytes.contains("Caption         =   \"Gr\xfc\xdf"
                               "e \"\"x\"\"\"\r\n"));

    const FormFile again = reread(f);
    EXPECT_EQ(again.findControl("cmdOK")->propertyText("Left"), QStringLiteral("4000"));
    EXPECT_EQ(again.findControl("lblTotal")->property("Caption")->value().text,
              QStringLiteral("Grüße \"x\""));
}

TEST(FormEditTest, NewPropertyFollowsTheBlocksPadding)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb5form.frm")));
    f.findControl("fraMiddle")->setProperty(QStringLiteral("Tag"), QStringLiteral("\"t\""));
    f.findControl("fraMiddle")
        ->setProperty(QStringLiteral("WhatsThisHelpID"), QStringLiteral("12"));
    const QByteArray bytes = f.toBytes();
    // In their alphabetical places, as the designer writes a block.
    EXPECT_TRUE(bytes.contains("         TabIndex        =   1\r\n"
                               "         Tag             =   \"t\"\r\n"
                               "         Top             =   360\r\n"
                               "         WhatsThisHelpID =   12\r\n"
                               "         Width           =   4215\r\n"
                               "         Begin VB.Frame fraInner \r\n"));

    FormFile cls = FormFile::load(fixtures::path(QStringLiteral("vb4class.cls")));
    cls.root()->setProperty(QStringLiteral("Persistable"), QStringLiteral("1"));
    EXPECT_TRUE(cls.toBytes().contains("  MultiUse = -1  'True\r\n  Persistable = 1\r\nEND\r\n"));
}

TEST(FormEditTest, RemovePropertyDropsOnlyItsLine)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    const QByteArray before = f.toBytes();
    EXPECT_TRUE(f.findControl("cmdOK")->removeProperty(QStringLiteral("Default")));
    EXPECT_FALSE(f.findControl("cmdOK")->removeProperty(QStringLiteral("Default")));
    QByteArray expected = before;
    expected.replace("      Default         =   -1  'True\r\n", "");
    EXPECT_EQ(f.toBytes(), expected);
}

TEST(FormEditTest, AddedControlsGoBeforeTheMenusAndSurviveARead)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    ControlNode *timer = f.root()->addChild(QStringLiteral("Timer"), QStringLiteral("Timer1"));
    timer->setProperty(QStringLiteral("Interval"), QStringLiteral("1000"));
    timer->setProperty(QStringLiteral("Left"), QStringLiteral("120"));
    ControlNode *opt = f.findControl("fraOptions")->addChild("VB.OptionButton", "optKind");
    opt->setProperty(QStringLiteral("Index"), QStringLiteral("2"));

    const FormFile again = reread(f);
    EXPECT_EQ(displayNames(again.controls()),
              (QStringList{"fraOptions", "optKind(0)", "optKind(1)", "optKind(2)", "cmdOK",
                           "lblTotal", "Timer1", "mnuFile", "mnuFileOpen", "mnuFileSep",
                           "mnuFileExit", "mnuHelp", "mnuHelpContents"}));
    EXPECT_EQ(again.findControl("Timer1")->className(), QStringLiteral("VB.Timer"));
    EXPECT_TRUE(f.toBytes().contains("   Begin VB.Timer Timer1 \r\n"
                                     "      Interval        =   1000\r\n"
                                     "      Left            =   120\r\n"
                                     "   End\r\n"
                                     "   Begin VB.Menu mnuFile \r\n"));
}

TEST(FormEditTest, AddedMenusNestAndKeepShortcuts)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("menus_lf.frm")));
    ControlNode *help = f.root()->addChild(QStringLiteral("Menu"), QStringLiteral("mnuHelp"));
    help->setProperty(QStringLiteral("Caption"), quoteString(QStringLiteral("&Help")));
    ControlNode *about = help->addChild(QStringLiteral("Menu"), QStringLiteral("mnuHelpAbout"));
    about->setProperty(QStringLiteral("Caption"), quoteString(QStringLiteral("&About")));
    about->setProperty(QStringLiteral("Shortcut"), *shortcutToText(27));

    const QByteArray bytes = f.toBytes();
    EXPECT_FALSE(bytes.contains('\r')); // an LF file stays LF
    const FormFile again = reread(f);
    const ControlNode *a = again.findControl(QStringLiteral("mnuHelpAbout"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->parent()->name(), QStringLiteral("mnuHelp"));
    EXPECT_EQ(a->parent()->parent(), again.root());
    EXPECT_EQ(shortcutFromText(a->propertyText(QStringLiteral("Shortcut"))), 27);
    EXPECT_EQ(again.controls().last()->name(), QStringLiteral("mnuHelpAbout"));
}

TEST(FormEditTest, RemoveChildTakesItsWholeBlock)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb5form.frm")));
    ControlNode *outer = f.findControl(QStringLiteral("fraOuter"));
    EXPECT_TRUE(f.root()->removeChild(outer));
    FormFile again = reread(f);
    EXPECT_EQ(again.findControl(QStringLiteral("txtNotes")), nullptr);
    EXPECT_EQ(again.findControl(QStringLiteral("chkFlag"), 0), nullptr);
    EXPECT_NE(again.findControl(QStringLiteral("mnuEditCut")), nullptr);
    EXPECT_FALSE(again.root()->removeChild(again.root()));
}

TEST(FormEditTest, RenameChangesBeginLineAndVbName)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    f.setModuleName(QStringLiteral("frmLedger"));
    f.findControl("cmdOK")->setName(QStringLiteral("cmdDone"));
    const QByteArray bytes = f.toBytes();
    EXPECT_TRUE(bytes.startsWith("VERSION 4.00\r\nBegin VB.Form frmLedger \r\n"));
    EXPECT_TRUE(bytes.contains("\r\n   Begin VB.CommandButton cmdDone \r\n"));
    EXPECT_TRUE(bytes.contains("\r\nAttribute VB_Name = \"frmLedger\"\r\n"));
    EXPECT_EQ(reread(f).moduleName(), QStringLiteral("frmLedger"));
}

TEST(FormEditTest, AppendedCodeEndsItsLinesAndSurvivesARead)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("nonewline.bas")));
    f.appendCode(QStringLiteral("Sub Added()\r\n    Beep\r\nEnd Sub"));
    EXPECT_TRUE(f.toBytes().endsWith("End Function\r\nSub Added()\r\n    Beep\r\nEnd Sub\r\n"));
    EXPECT_EQ(reread(f).codeLines().last(), QStringLiteral("End Sub"));
}

TEST(FormEditTest, CodeAddedToAFileEndingAtItsBlock)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("noattributes.frm")));
    EXPECT_TRUE(f.code().isEmpty());
    f.appendCode(QStringLiteral("Private Sub Form_Load()\nEnd Sub\n"));
    f.setAttribute(QStringLiteral("VB_Name"), QStringLiteral("\"Form3\""));
    const QByteArray bytes = f.toBytes();
    EXPECT_TRUE(bytes.endsWith("End\r\nAttribute VB_Name = \"Form3\"\r\n"
                               "Private Sub Form_Load()\r\nEnd Sub\r\n"));
    const FormFile again = reread(f);
    EXPECT_EQ(again.moduleName(), QStringLiteral("Form3"));
    EXPECT_EQ(again.codeLines(), (QStringList{"Private Sub Form_Load()", "End Sub"}));
}

TEST(FormEditTest, SetCodeKeepsUntouchedLinesAsTheyWere)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("mixedeol.bas")));
    QString code = f.code();
    code.replace(QStringLiteral("End Sub"), QStringLiteral("End Sub ' done"));
    f.setCode(code);
    QByteArray expected = fixtures::bytes(fixtures::path(QStringLiteral("mixedeol.bas")));
    expected.replace("End Sub\n", "End Sub ' done\r\n");
    // The lone CR splits the line once the text is set; the LF-only first line stays LF.
    expected.replace("    x = 1 \r  y = 2\r\n", "    x = 1 \r\n  y = 2\r\n");
    EXPECT_EQ(f.toBytes(), expected);
}

TEST(FormEditTest, SetCodeWithoutFinalBreakLeavesNoFinalLineEnd)
{
    FormFile f = FormFile::newModule(QStringLiteral("Module1"));
    f.setCode(QStringLiteral("Sub A()\nEnd Sub"));
    EXPECT_EQ(f.toBytes(), QByteArray("Attribute VB_Name = \"Module1\"\r\nSub A()\r\nEnd Sub"));
    f.setCode(QString());
    EXPECT_EQ(f.toBytes(), QByteArray("Attribute VB_Name = \"Module1\"\r\n"));
}

TEST(FormEditTest, SaveReplacesTheFileAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Main.frm"));
    QFile::copy(fixtures::path(QStringLiteral("vb4form.frm")), path);
    FormFile f = FormFile::load(path);
    f.findControl("cmdOK")->setProperty("Caption", quoteString(QStringLiteral("&Fermer")));
    f.save();
    EXPECT_EQ(FormFile::load(path).findControl("cmdOK")->property("Caption")->value().text,
              QStringLiteral("&Fermer"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Main.frm"});
}

TEST(FormEditTest, NewFilesReadBackAsTheirKind)
{
    const FormFile vb5 = reread(FormFile::newForm(QStringLiteral("Form2")));
    EXPECT_EQ(vb5.version(), QStringLiteral("5.00"));
    EXPECT_EQ(vb5.root()->name(), QStringLiteral("Form2"));
    EXPECT_EQ(vb5.root()->property("Caption")->value().text, QStringLiteral("Form2"));
    EXPECT_EQ(vb5.moduleName(), QStringLiteral("Form2"));
    const FormFile vb4 = reread(FormFile::newForm(QStringLiteral("Form3"), "4.00"));
    EXPECT_EQ(vb4.version(), QStringLiteral("4.00"));
    EXPECT_TRUE(vb4.root()->hasProperty(QStringLiteral("Width")));
    EXPECT_EQ(reread(FormFile::newClass("Class1")).kind(), FormFile::Kind::Class);
    EXPECT_EQ(reread(FormFile::newModule("Module1")).moduleName(), QStringLiteral("Module1"));
}

} // namespace

namespace {

TEST(FormEditTest, EditsThatWouldBreakTheFileAreRefused)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    const QByteArray before = f.toBytes();
    ControlNode *ok = f.findControl(QStringLiteral("cmdOK"));
    EXPECT_THROW(ok->setProperty(QStringLiteral("Caption"), QStringLiteral("\"a\r\nb\"")),
                 std::invalid_argument);
    EXPECT_THROW(ok->setProperty(QStringLiteral("Cap tion"), QStringLiteral("1")),
                 std::invalid_argument);
    EXPECT_THROW(ok->setName(QStringLiteral("two words")), std::invalid_argument);
    EXPECT_THROW(f.root()->addChild(QStringLiteral("VB.Label"), QString()), std::invalid_argument);
    EXPECT_THROW(f.setAttribute(QStringLiteral("VB_Name"), QStringLiteral("\"a\nb\"")),
                 std::invalid_argument);
    EXPECT_THROW(f.setModuleName(QStringLiteral("")), std::invalid_argument);
    EXPECT_EQ(f.toBytes(), before);
}

} // namespace

namespace {

TEST(FormEditTest, ValueWithCommentIsStoredApart)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("vb4form.frm")));
    ControlNode *ok = f.findControl(QStringLiteral("cmdOK"));
    ok->setProperty(QStringLiteral("Default"), QStringLiteral("0   'False"));
    ok->setProperty(QStringLiteral("Cancel"), QStringLiteral("-1  'True"));
    EXPECT_EQ(ok->property(QStringLiteral("Default"))->valueText, QStringLiteral("0"));
    EXPECT_EQ(ok->property(QStringLiteral("Default"))->comment, QStringLiteral("False"));
    EXPECT_EQ(ok->property(QStringLiteral("Cancel"))->valueText, QStringLiteral("-1"));
    const QByteArray bytes = f.toBytes();
    EXPECT_TRUE(bytes.contains("      Default         =   0   'False\r\n"));
    EXPECT_TRUE(bytes.contains("      Cancel          =   -1  'True\r\n"));
    EXPECT_EQ(reread(f).findControl("cmdOK")->property("Cancel")->comment, QStringLiteral("True"));
}

} // namespace

namespace {

TEST(FormReadTest, ByteOrderMarkFromAnotherEditorIsSkipped)
{
    FormFile f = FormFile::load(fixtures::path(QStringLiteral("bom.frm")));
    EXPECT_EQ(f.version(), QStringLiteral("5.00"));
    EXPECT_EQ(f.root()->name(), QStringLiteral("Form9"));
    f.setModuleName(QStringLiteral("Form10"));
    EXPECT_TRUE(f.toBytes().startsWith("\xef\xbb\xbfVERSION 5.00\r\nBegin VB.Form Form10 \r\n"));
}

} // namespace
