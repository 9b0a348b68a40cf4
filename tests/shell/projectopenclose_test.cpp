#include "designerfixture.h"
#include "platform/ui/qtservices.h"
#include "windowwatch.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace shelltesting;

class UnsavedChangesTest : public DesignerTest
{
protected:
    void modify() { ws().setProperty(formId, "cmdOK", "Caption", Value("Done")); }
    QByteArray mainForm() { return readAll(dir.filePath("Main.frm")); }
};

TEST_F(UnsavedChangesTest, CancelKeepsTheWindowOpen)
{
    modify();
    services.msgBoxResults = {ui::mb::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(services.messageBoxes().first().prompt.contains("Demo"));
    EXPECT_TRUE(ws().isModified());
}

TEST_F(UnsavedChangesTest, NoDiscardsAndWritesNothing)
{
    const QByteArray before = mainForm();
    modify();
    services.msgBoxResults = {ui::mb::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(mainForm(), before);
}

TEST_F(UnsavedChangesTest, YesSavesFirst)
{
    modify();
    services.msgBoxResults = {ui::mb::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(mainForm().contains("Caption         =   \"Done\""));
}

TEST_F(UnsavedChangesTest, OpeningAnotherProjectAsksToo)
{
    modify();
    services.msgBoxResults = {ui::mb::Cancel};
    EXPECT_FALSE(window->openProject(dir.filePath("Demo.vbp")));
    EXPECT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(ws().isModified());
}

TEST_F(UnsavedChangesTest, NoQuestionWithoutChanges)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(services.messageBoxes().isEmpty());
}

TEST_F(DesignerTest, MalformedFormIsNamedWithItsLineAndNothingIsWritten)
{
    QTemporaryDir broken;
    for (const QString &name : QDir(demoDir()).entryList(QDir::Files))
        QFile::copy(demoDir() + u'/' + name, broken.filePath(name));
    QByteArray form = readAll(broken.filePath("Options.frm"));
    // Cut the form off in the middle of a control block.
    form.truncate(form.indexOf("   Begin VB.CommandButton cmdOK"));
    form += "   Begin VB.CommandButton cmdOK \r\n      Caption         =   \"OK\r\n";
    {
        QFile f(broken.filePath("Options.frm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(form);
    }
    const QByteArray vbp = readAll(broken.filePath("Demo.vbp"));

    EXPECT_FALSE(window->openProject(broken.filePath("Demo.vbp")));
    ASSERT_FALSE(services.messageBoxes().isEmpty());
    const QString prompt = services.messageBoxes().last().prompt;
    EXPECT_TRUE(prompt.contains("Options.frm")) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QRegularExpression("\\(\\d+\\)"))) << prompt.toStdString();
    EXPECT_EQ(readAll(broken.filePath("Options.frm")), form);
    EXPECT_EQ(readAll(broken.filePath("Demo.vbp")), vbp);
    // The project that was open stays open.
    EXPECT_EQ(ws().projectPath(), dir.filePath("Demo.vbp"));
}

// P.vbp in dir, naming the demo's main form (copied beside it) and then the given members.
QString projectWithMembers(const QTemporaryDir &dir, const QByteArray &members)
{
    QFile::copy(demoDir() + "/Main.frm", dir.filePath("Main.frm"));
    QFile vbp(dir.filePath("P.vbp"));
    if (vbp.open(QIODevice::WriteOnly))
        vbp.write("Type=Exe\r\nForm=Main.frm\r\n" + members);
    return vbp.fileName();
}

TEST(MissingMemberTest, ProjectOpensAndTheExplorerMarksTheMissingFile)
{
    QTemporaryDir dir;
    ui::FakeServices services;
    MainWindow window(services);
    ASSERT_TRUE(window.openProject(projectWithMembers(dir, "Module=Gone; D:\\Old\\Gone.bas\r\n")));
    ASSERT_EQ(services.messageBoxes().size(), 1);
    EXPECT_TRUE(services.messageBoxes()[0].details.endsWith("\nLine 3: D:\\Old\\Gone.bas"))
        << services.messageBoxes()[0].details.toStdString();
    const auto found = window.findChild<QTreeWidget *>("projectTree")
                           ->findItems("Gone", Qt::MatchRecursive | Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0]->text(1).contains("(missing)"));
}

TEST(MissingMemberTest, ManyMissingFilesAreCountedWithTheListUnderDetails)
{
    QTemporaryDir dir;
    QByteArray members;
    for (int i = 1; i <= 40; ++i)
        members += QStringLiteral("Module=M%1; C:\\Projects\\Long Folder Name\\Module%1.bas\r\n")
                       .arg(i)
                       .toLatin1();
    ui::QtServices services(QStringLiteral("vbhost"));
    MainWindow window(services);
    window.show();
    QString text;
    QStringList details;
    bool fits = false;
    whenShown<QMessageBox>("MsgBox", [&](QMessageBox *box) {
        text = box->text();
        details = box->detailedText().split(u'\n');
        fits = fitsWithDetailsOpen(box);
        box->findChild<QPushButton *>("OK")->click();
    });
    ASSERT_TRUE(window.openProject(projectWithMembers(dir, members)));
    EXPECT_EQ(text, "40 of the project's 41 files cannot be found; the project opened without "
                    "them and its file keeps naming them.");
    ASSERT_EQ(details.size(), 41);
    EXPECT_EQ(details[0], "Looked for in " + QDir::toNativeSeparators(dir.path()) + ":");
    EXPECT_EQ(details[40], "Line 42: C:\\Projects\\Long Folder Name\\Module40.bas");
    EXPECT_TRUE(fits);
}
