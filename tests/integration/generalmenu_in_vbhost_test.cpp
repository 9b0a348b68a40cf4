// "Add general menu " on the tool window's Form menu against vbhost's model over the demo
// project: the designer's menu bar and code view show the result at once, and a save writes
// both into the form's file.

#include "addinsession.h"

#include "addin/toolwindow/toolwindow.h"
#include "fakeservices.h"
#include "ide/code/codewindow.h"
#include "ide/designer/menupreview.h"
#include "ide/model/workspace.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList TopLevel = {"menufile", "menuedit", "menuView", "menuhelp"};

QString fixtureCode()
{
    QFile f(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/tests/fixtures/generalmenu.MOD");
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromLatin1(f.readAll());
}

class GeneralMenuInVbhostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(project.isValid());
        const QDir from(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/examples/Demo");
        for (const QString &name : from.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(from.filePath(name), project.filePath(name)));
        workspace.open(project.filePath("Demo.vbp"));
        formId = formNamed(workspace, "frmMain");
        ASSERT_GE(formId, 0);
        workspace.setActiveForm(formId);
        session = std::make_unique<AddInSession>(workspace, &fake);
        ASSERT_NE(tolvar::toolWindow(), nullptr);
        fake.calls.clear();
    }
    void TearDown() override { session.reset(); }

    static int formNamed(const vbhost::Workspace &ws, const QString &name)
    {
        for (const auto &doc : ws.documents())
            if (doc.name == name)
                return doc.id;
        return -1;
    }

    void chooseAddGeneralMenu()
    {
        auto *item = tolvar::toolWindow()->findChild<QAction *>("mnucur(0)");
        ASSERT_NE(item, nullptr);
        ASSERT_EQ(item->text(), "Add general menu ");
        item->trigger();
    }

    // Top-level menu name -> its items' captions, from the workspace.
    static QMap<QString, QStringList> generatedMenus(const vbhost::Workspace &ws, int id)
    {
        QMap<QString, QStringList> menus;
        for (const auto &c : ws.controls(id)) {
            if (TopLevel.contains(c.key))
                menus[c.key];
            else if (TopLevel.contains(c.parentKey))
                menus[c.parentKey] << c.caption;
        }
        return menus;
    }

    QTemporaryDir project;
    vbhost::Workspace workspace;
    int formId = -1;
    ui::FakeServices fake;
    std::unique_ptr<AddInSession> session;
};

TEST_F(GeneralMenuInVbhostTest, MenusAndCodeShowAtOnceAndSurviveSaveAndReopen)
{
    vbhost::MenuPreview preview(workspace, formId);
    vbhost::CodeWindow code(workspace, formId);
    const int menusBefore = preview.actions().size();
    const QString codeBefore = workspace.code(formId);

    chooseAddGeneralMenu();

    EXPECT_TRUE(fake.messageBoxes().isEmpty());
    EXPECT_EQ(tolvar::toolWindow()->statusText(), "");
    EXPECT_FALSE(QFile::exists(tolvar::AddInPath("temp.MOD")));

    const QMap<QString, QStringList> expected{
        {"menufile",
         {"&New", "&Open", "&Save", "Save &As...", "-", "Print Pre&view", "Page Se&tup...",
          "&Print...", "-", "&Exit"}},
        {"menuedit", {"&Undo", "&Repeat", "-", "Cu&t", "&Copy", "&Paste", "Cle&ar", "Select A&ll"}},
        {"menuView", {"&Toolbar", "&Status Bar", "-", "&Options..."}},
        {"menuhelp", {"&Contents", "&Search For Help On..", "-", "&About"}}};
    EXPECT_EQ(generatedMenus(workspace, formId), expected);

    const QList<QAction *> bar = preview.actions();
    ASSERT_EQ(bar.size(), menusBefore + 4);
    QStringList shown;
    for (QAction *a : bar.mid(menusBefore))
        shown << a->text() + ":" + QString::number(a->menu() ? a->menu()->actions().size() : -1);
    EXPECT_EQ(shown, QStringList({"&File:10", "&Edit:8", "&View:4", "&Help:4"}));

    // The Declare line joins the declarations, above the first procedure; the procedures follow
    // the form's own; nothing else moves.
    const QString codeText = fixtureCode().replace("\r\n", "\n");
    const QString declare = codeText.section(u'\n', 0, 0);
    const QString procedures = codeText.section(u'\n', 1);
    QStringList after = workspace.code(formId).split(u'\n');
    const qsizetype declareAt = after.indexOf(declare);
    ASSERT_GE(declareAt, 0);
    EXPECT_LT(declareAt, after.indexOf(QRegularExpression("^Private Sub .*")));
    after.removeAt(declareAt);
    EXPECT_EQ(after.join(u'\n'), codeBefore + procedures);
    EXPECT_TRUE(code.toPlainText().contains(procedures.trimmed()));

    workspace.save();
    QFile frm(project.filePath("Main.frm"));
    ASSERT_TRUE(frm.open(QIODevice::ReadOnly));
    const QByteArray saved = frm.readAll();
    EXPECT_TRUE(saved.contains(fixtureCode().section("\r\n", 1).toLatin1()));
    EXPECT_TRUE(saved.contains(
        ("Private mOrders As Counter\r\n" + declare + "\r\n\r\nPrivate Sub").toLatin1()));
    for (const char *line :
         {"Begin VB.Menu menuView ", "Shortcut        =   ^O", "Shortcut        =   {F4}",
          "Enabled         =   0   'False", "Checked         =   -1  'True"})
        EXPECT_TRUE(saved.contains(line)) << line;

    vbhost::Workspace reopened;
    reopened.open(project.filePath("Demo.vbp"));
    const int again = formNamed(reopened, "frmMain");
    EXPECT_EQ(generatedMenus(reopened, again), expected);
    EXPECT_EQ(reopened.code(again), workspace.code(formId));
}

TEST_F(GeneralMenuInVbhostTest, SecondRunIsRefusedAndChangesNothing)
{
    chooseAddGeneralMenu();
    const auto controls = workspace.controls(formId).size();
    const QString code = workspace.code(formId);

    chooseAddGeneralMenu();

    ASSERT_EQ(fake.messageBoxes().size(), 1);
    EXPECT_TRUE(fake.messageBoxes().front().prompt.contains("menufile"));
    EXPECT_EQ(workspace.controls(formId).size(), controls);
    EXPECT_EQ(workspace.code(formId), code);
    EXPECT_EQ(tolvar::toolWindow()->statusText(), "Creating Menus...");
}

} // namespace
