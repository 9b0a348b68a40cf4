#include "codeproject.h"
#include "fakeservices.h"
#include "ide/code/codeeditor.h"
#include "ide/code/codefind.h"
#include "ide/code/codelistbox.h"
#include "ide/code/codewindow.h"
#include "ide/code/finddialog.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <memory>

using namespace vbhost;

namespace {

class CodeWindowTest : public CodeProject
{
protected:
    CodeWindow *open(const QString &module)
    {
        windows.push_back(std::make_unique<CodeWindow>(ws, id(module)));
        windows.back()->resize(700, 400);
        windows.back()->show();
        return windows.back().get();
    }
    static QString lineAtCursor(CodeWindow *w) { return w->editor()->textCursor().block().text(); }
    static void putCursorAt(CodeWindow *w, const QString &line, bool atEnd = true)
    {
        const QTextBlock b = w->editor()->document()->findBlockByNumber(
            int(w->toPlainText().split(u'\n').indexOf(line)));
        QTextCursor c(b);
        if (atEnd)
            c.movePosition(QTextCursor::EndOfBlock);
        w->editor()->setTextCursor(c);
        QCoreApplication::processEvents();
    }
    static QString shown(CodeWindow *w)
    {
        return w->objectList()->currentText() + " / " + w->procList()->currentText();
    }

    std::vector<std::unique_ptr<CodeWindow>> windows;
    ui::FakeServices services;
};

} // namespace

TEST_F(CodeWindowTest, ChoosingAnObjectOrEventGoesToItsCodeOrAddsIt)
{
    CodeWindow *w = open("frmOrders");
    const QString before = ws.code(id("frmOrders"));
    ASSERT_TRUE(w->chooseObject("cmdOK"));
    EXPECT_EQ(lineAtCursor(w), "    ' The total is kept");
    EXPECT_EQ(ws.code(id("frmOrders")), before);

    // No code yet: the default event's procedure, cursor inside, in the workspace at once.
    ASSERT_TRUE(w->chooseObject("tmrTick"));
    EXPECT_EQ(shown(w), "tmrTick / Timer");
    EXPECT_EQ(lineAtCursor(w), "");
    EXPECT_EQ(w->editor()->textCursor().block().previous().text(), "Private Sub tmrTick_Timer()");
    ASSERT_TRUE(w->chooseObject("txtQty"));
    ASSERT_TRUE(w->chooseProc("KeyDown"));
    EXPECT_TRUE(ws.code(id("frmOrders"))
                    .endsWith("End Sub\n\nPrivate Sub txtQty_KeyDown(Index As Integer, KeyCode As "
                              "Integer, Shift As Integer)\n\nEnd Sub\n"))
        << ws.code(id("frmOrders")).toStdString();
    const int keyDown = w->procList()->findText("KeyDown");
    EXPECT_TRUE(w->procList()->itemData(keyDown, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(w->procList()->itemData(keyDown + 1, Qt::FontRole).value<QFont>().bold());

    // Moving the cursor shows where it is.
    putCursorAt(w, "    mTotal = Util.Total(mTotal, 0)");
    EXPECT_EQ(shown(w), "(General) / Recalculate");
    putCursorAt(w, "Option Explicit");
    EXPECT_EQ(shown(w), "(General) / (Declarations)");
}

TEST_F(CodeWindowTest, KeysOnTheClosedListOpenItAndEnterChooses)
{
    CodeWindow *w = open("frmOrders");
    const QString before = w->toPlainText();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_TRUE(w->objectList()->hasFocus());
    QTest::keyClicks(w->objectList(), "tm");
    EXPECT_TRUE(w->objectList()->view()->isVisible());
    EXPECT_EQ(w->toPlainText(), before);
    QTest::keyClick(w->objectList()->view(), Qt::Key_Return);
    EXPECT_TRUE(w->toPlainText().contains("Private Sub tmrTick_Timer()"));
    EXPECT_TRUE(w->editor()->hasFocus());
}

TEST_F(CodeWindowTest, TypedLinesJoinTheHiddenAttributesInTheirPlaces)
{
    CodeWindow *w = open("Items");
    putCursorAt(w, "Public Property Get Item(ByVal Index As Variant) As Variant");
    QTest::keyClick(w->editor(), Qt::Key_Return);
    QTest::keyClick(w->editor(), Qt::Key_Tab);
    QTest::keyClicks(w->editor(), "Debug.Print Index");
    w->commit();
    EXPECT_TRUE(ws.code(id("Items"))
                    .contains("As Variant\nAttribute Item.VB_UserMemId = 0\nAttribute "
                              "Item.VB_Description = \"One item of the list\"\n    Debug.Print "
                              "Index\n    Item = mCol(Index)\n"));
}

TEST_F(CodeWindowTest, ChangesMadeElsewhereShowAtOnceWithTypingNotHandedOverYet)
{
    CodeWindow *w = open("Util");
    w->editor()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(w->editor(), "' typed ");
    ws.setCode(id("Util"), ws.code(id("Util")) + "Public Sub Added()\nEnd Sub\n");
    EXPECT_TRUE(w->toPlainText().startsWith("' typed Option Explicit"));
    EXPECT_TRUE(w->toPlainText().endsWith("Public Sub Added()\nEnd Sub\n"));
    EXPECT_EQ(ws.code(id("Util")).toStdString(), w->toPlainText().toStdString());
    CodeWindow *form = open("frmOrders");
    ws.setProperty(id("frmOrders"), {}, "Name", "frmSales");
    EXPECT_EQ(form->windowTitle(), "frmSales (Code)");
}

TEST_F(CodeWindowTest, ReplaceAllReportsTheCountAndIsUndoneInOneStep)
{
    CodeWindow *w = open("frmOrders");
    CodeFind find(ws, services,
                  {[w] { return w; }, [this](int d) { return open(ws.document(d).name); },
                   [w] { w->commit(); }},
                  nullptr);
    const QString before = w->toPlainText();
    find.replace();
    find.dialog()->findChild<QLineEdit *>("findWhat")->setText("mTotal");
    find.dialog()->findChild<QLineEdit *>("replaceWith")->setText("mSum");
    find.dialog()->findChild<QPushButton *>("replaceAll")->click();
    EXPECT_EQ(services.messageBoxes().last().prompt, "5 replacements were made.");
    EXPECT_FALSE(w->toPlainText().contains("mTotal"));
    w->editor()->undo();
    EXPECT_EQ(w->toPlainText(), before);

    // Find Next in all modules goes on into the next module's window.
    find.dialog()->findChild<QRadioButton *>("allModules")->setChecked(true);
    find.dialog()->findChild<QLineEdit *>("findWhat")->setText("Collection");
    EXPECT_TRUE(find.findNext());
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows.back()->editor()->textCursor().selectedText(), "Collection");
}
