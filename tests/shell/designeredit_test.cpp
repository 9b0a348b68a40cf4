#include "designerfixture.h"
#include "ide/designer/controlclipboard.h"
#include "ide/designer/controlcommands.h"
#include "ide/designer/toolbox.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QToolButton>

using namespace shelltesting;

namespace {

// How the designer writes a control drawn from (240, 360) to (1695, 975) twips on a new form.
struct Drawn
{
    const char *className;
    const char *name;
    QStringList lines; // the block's property lines, without indentation
};

const QString H = "Height          =   615", L = "Left            =   240";
const QString T = "Top             =   360", W = "Width           =   1455";
const QString Tab = "TabIndex        =   0";
QString caption(const char *name)
{
    return QStringLiteral("Caption         =   \"%1\"").arg(QLatin1String(name));
}

const Drawn DrawnControls[] = {
    {"PictureBox",
     "Picture1",
     {H, L, "ScaleHeight     =   555", "ScaleWidth      =   1395", Tab, T, W}},
    {"Label", "Label1", {caption("Label1"), H, L, Tab, T, W}},
    {"TextBox", "Text1", {H, L, Tab, "Text            =   \"Text1\"", T, W}},
    {"Frame", "Frame1", {caption("Frame1"), H, L, Tab, T, W}},
    {"CommandButton", "Command1", {caption("Command1"), H, L, Tab, T, W}},
    {"CheckBox", "Check1", {caption("Check1"), H, L, Tab, T, W}},
    {"OptionButton", "Option1", {caption("Option1"), H, L, Tab, T, W}},
    {"ComboBox",
     "Combo1",
     {"Height          =   315", L, Tab, "Text            =   \"Combo1\"", T, W}},
    {"ListBox", "List1", {H, L, Tab, T, W}},
    {"HScrollBar", "HScroll1", {H, L, Tab, T, W}},
    {"VScrollBar", "VScroll1", {H, L, Tab, T, W}},
    {"Timer", "Timer1", {L, T}},
    {"DriveListBox", "Drive1", {"Height          =   315", L, Tab, T, W}},
    {"DirListBox", "Dir1", {H, L, Tab, T, W}},
    {"FileListBox", "File1", {H, L, Tab, T, W}},
    {"Shape", "Shape1", {H, L, T, W}},
    {"Line",
     "Line1",
     {"X1              =   240", "X2              =   1695", "Y1              =   360",
      "Y2              =   975"}},
    {"Image", "Image1", {H, L, T, W}},
    {"Data",
     "Data1",
     {caption("Data1"), "Connect         =   \"\"", "DatabaseName    =   \"\"",
      "Exclusive       =   0   'False", H, L, "Options         =   0",
      "ReadOnly        =   0   'False", "RecordsetType   =   1  'Dynaset",
      "RecordSource    =   \"\"", T, W}},
};

class DrawTest : public DesignerTest, public ::testing::WithParamInterface<Drawn>
{
};

} // namespace

TEST_P(DrawTest, ADrawnControlIsWrittenAsTheEnvironmentWritesIt)
{
    const Drawn &d = GetParam();
    const int form = window->addNewMember(MemberKind::Form);
    FormCanvas *surface = window->designer(form)->canvas();
    QTest::mouseClick(window->toolbox()->button(d.className), Qt::LeftButton);
    const auto px = [](double twips) { return ui::twipsToPixels(twips); };
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(px(240), px(360)));
    QTest::mouseMove(surface, QPoint(px(900), px(700)));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(px(1695), px(975)));

    QString expected = QStringLiteral("   Begin VB.%1 %2 \r\n").arg(d.className, d.name);
    for (const QString &line : d.lines)
        expected += QStringLiteral("      ") + line + QStringLiteral("\r\n");
    expected += QStringLiteral("   End\r\n");
    EXPECT_EQ(ws().copyControls(form, {d.name}).toStdString(), expected.toStdString());
    EXPECT_EQ(ws().selection(), QStringList{d.name});
    EXPECT_TRUE(window->toolbox()->isPointer()); // one control per choice of the tool
}

INSTANTIATE_TEST_SUITE_P(EveryStandardControl, DrawTest, ::testing::ValuesIn(DrawnControls),
                         [](const auto &info) { return std::string(info.param.className); });

TEST_F(DesignerTest, EveryToolIsNamedAndAddsAtTheMiddleFromTheKeyboard)
{
    for (QToolButton *b : window->toolbox()->findChildren<QToolButton *>()) {
        EXPECT_FALSE(b->accessibleName().isEmpty());
        EXPECT_EQ(b->toolTip(), b->accessibleName());
        EXPECT_FALSE(b->icon().pixmap(24, 22).isNull());
    }
    window->findChild<QAction *>("viewToolbox")->trigger();
    QToolButton *pointer = window->toolbox()->button("Pointer");
    EXPECT_TRUE(pointer->hasFocus());
    QTest::keyClick(pointer, Qt::Key_Right);                    // the picture box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the text box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(ws().selection(), QStringList{"Text1"});
    EXPECT_EQ(twips("Text1", "Left"), std::round((twips({}, "ScaleWidth") - 1215) / 2));
    EXPECT_EQ(twips("Text1", "Top"), std::round((twips({}, "ScaleHeight") - 495) / 2));
}

TEST_F(DesignerTest, CtrlArrowsMoveAndShiftArrowsResizeByOneGridStep)
{
    struct Key
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char *property;
        double by;
    };
    const Key keys[] = {{Qt::Key_Right, Qt::ControlModifier, "Left", 120},
                        {Qt::Key_Up, Qt::ControlModifier, "Top", -120},
                        {Qt::Key_Right, Qt::ShiftModifier, "Width", 120},
                        {Qt::Key_Down, Qt::ShiftModifier, "Height", 120},
                        {Qt::Key_Left, {}, "Left", -ui::twipsPerPixel()}};
    click("cmdOK");
    for (const Key &k : keys) {
        const double before = twips("cmdOK", k.property);
        QTest::keyClick(canvas, k.key, k.mods);
        EXPECT_NEAR(twips("cmdOK", k.property), before + k.by, 0.5) << k.property;
    }
}

class PasteAnswerTest : public DesignerTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(PasteAnswerTest, APastedNameInUseAsksWhetherToMakeAnArray)
{
    click("cmdOK");
    window->findChild<QAction *>("copy")->trigger();
    services.msgBoxResults = {GetParam()};
    window->findChild<QAction *>("paste")->trigger();
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_EQ(services.messageBoxes()[0].prompt,
              "You already have a control named 'cmdOK'. Do you want to create a control array?");
    const QStringList expected =
        GetParam() == ui::mb::Yes ? QStringList{"cmdOK(1)"} : QStringList{"Command1"};
    EXPECT_EQ(ws().selection(), expected);
    EXPECT_EQ(ws().property(formId, expected[0], "Caption"), Value("OK"));
    QTest::qWait(1);
    window->findChild<QAction *>("undo")->trigger();
    EXPECT_THROW(ws().property(formId, expected[0], "Caption"), automation::Error);
    window->findChild<QAction *>("redo")->trigger();
    EXPECT_EQ(ws().property(formId, expected[0], "Caption"), Value("OK"));
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, PasteAnswerTest, ::testing::Values(ui::mb::Yes, ui::mb::No));

TEST_F(DesignerTest, CopiesGoToAnotherFormThroughTheSystemClipboard)
{
    ws().setSelection({"fraShipping"});
    window->findChild<QAction *>("copy")->trigger();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->text().startsWith("   Begin VB.Frame fraShipping \r\n"));
    EXPECT_TRUE(data->hasFormat(kControlsMimeType));
    const int options = documentId("frmOptions");
    window->openDesigner(options);
    window->findChild<QAction *>("paste")->trigger();
    EXPECT_EQ(ws().selection(), QStringList{"fraShipping"});
    // Where it was copied from, it lands at the top-left corner.
    EXPECT_EQ(twipsOf(options, "fraShipping", "Left"), 0);
    EXPECT_EQ(twipsOf(options, "fraShipping", "Top"), 0);
    const auto blockWithoutPlaces = [](QString text) {
        return text.remove(QRegularExpression("(TabIndex|\n      Left|\n      Top)[^\r]*\r"))
            .toStdString();
    };
    EXPECT_EQ(blockWithoutPlaces(ws().copyControls(options, {"fraShipping"})),
              blockWithoutPlaces(ws().copyControls(formId, {"fraShipping"})));
}

TEST_F(DesignerTest, NewProjectAndAddFormAreSavedWhereTheFileDialogsSay)
{
    ASSERT_TRUE(window->newProject());
    EXPECT_EQ(window->workspace().projectName(), "Project1");
    ASSERT_NE(window->designer(ws().activeForm()), nullptr);
    window->findChild<QAction *>("addForm")->trigger();
    window->findChild<QAction *>("addModule")->trigger();
    services.openFileNames = {dir.filePath("One.frm"), dir.filePath("Two.frm"),
                              dir.filePath("Module1.bas")};
    EXPECT_FALSE(window->saveProject()); // the project's own dialog was cancelled
    EXPECT_FALSE(QFile::exists(dir.filePath("One.frm")));
    services.openFileNames = {dir.filePath("One.frm"), dir.filePath("Two.frm"),
                              dir.filePath("Module1.bas"), dir.filePath("New.vbp")};
    ASSERT_TRUE(window->saveProject());
    QStringList offered;
    for (const auto &call : services.callsTo("ShowOpen"))
        offered << QFileInfo(call.args[2].toString()).fileName();
    EXPECT_EQ(offered.mid(4),
              QStringList({"Form1.frm", "Form2.frm", "Module1.bas", "Project1.vbp"}));
    const QByteArray vbp = readAll(dir.filePath("New.vbp"));
    EXPECT_TRUE(vbp.contains("Form=One.frm\r\nForm=Two.frm\r\nModule=Module1; Module1.bas\r\n"));
    EXPECT_TRUE(readAll(dir.filePath("Two.frm")).contains("Begin VB.Form Form2 "));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(ws().isNewProject());
}
