// The template file window: listing the add-in folder by category, choosing a category, adding
// a chosen file to vbhost's project, and the shipped templates themselves.
#include "accessiblenames.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/hostapp.h"
#include "addin/templates/filelistbox.h"
#include "addin/templates/templatefiles.h"
#include "addin/templates/templatewindow.h"
#include "fakeservices.h"
#include "ide/files/formfile.h"
#include "ide/model/workspace.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using automation::Value;

namespace {

void touch(const QString &path, const QByteArray &content = {})
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    f.write(content);
}

QByteArray classFile(const char *name)
{
    return QByteArray("VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n"
                      "Attribute VB_Name = \"") +
           name + "\"\r\nOption Explicit\r\n";
}

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

struct CategoryCase
{
    const char *category;
    QStringList expected;
};

class MatchingFilesTest : public ::testing::TestWithParam<CategoryCase>
{
};

TEST_P(MatchingFilesTest, ListsTheFolderItselfWithoutRegardToCase)
{
    QTemporaryDir folder;
    for (const char *name : {"beta.CLS", "Alpha.cls", "Gamma.Cls", "LOGIN.FRM", "About.frm",
                             "notes.txt", "cls", ".hidden.cls", "kzlsav.MOD"})
        touch(folder.filePath(name));
    QDir(folder.path()).mkpath("folder.cls");
    QDir(folder.path()).mkpath("sub");
    touch(folder.filePath("sub/Inner.bas"));
    const QString pattern = tolvar::templatePattern(GetParam().category);
    EXPECT_EQ(tolvar::matchingFiles(folder.path(), pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Categories, MatchingFilesTest,
                         ::testing::Values(CategoryCase{"Classes",
                                                        {"Alpha.cls", "beta.CLS", "Gamma.Cls"}},
                                           CategoryCase{"Forms", {"About.frm", "LOGIN.FRM"}},
                                           CategoryCase{"Modules", {}}),
                         [](const auto &info) { return std::string(info.param.category); });

TEST(TemplateCategoryTest, OnlyTheExactTextsHaveAPatternAndAMissingFolderIsReported)
{
    EXPECT_EQ(tolvar::templatePattern("Modules"), "*.bas");
    for (const char *other : {"classes", "Forms ", "", "*.cls"})
        EXPECT_EQ(tolvar::templatePattern(other), "") << other;
    try {
        tolvar::matchingFiles("/nonexistent/folder", "*.cls");
        ADD_FAILURE() << "no error raised";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 76);
    }
}

class TemplateWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui::setServices(&fake);
        touch(addInFolder.filePath("Queue.cls"), classFile("clsQueue"));
        touch(addInFolder.filePath("stack.CLS"), classFile("clsStack"));
        touch(addInFolder.filePath("Dialog.frm"));
        tolvar::setAddInFolderForTesting(addInFolder.path());
        openProject();
        tolvar::HostApp = Value(workspace.application("tolvar"));
        window = std::make_unique<tolvar::TemplateWindow>();
        window->show();
        combo = window->findChild<QComboBox *>("Combo1");
        files = window->findChild<tolvar::FileListBox *>("File1");
        ASSERT_TRUE(combo && files);
    }
    void TearDown() override
    {
        window.reset();
        tolvar::HostApp = Value();
        tolvar::setAddInFolderForTesting(QString());
        ui::setServices(nullptr);
    }

    void openProject(const QString &folder = {})
    {
        const QString vbp = (folder.isEmpty() ? project.path() : folder) + "/Project1.vbp";
        QFile f(vbp);
        if (!f.exists()) {
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("Name=\"Project1\"\r\n");
            f.close();
        }
        workspace.open(vbp);
    }
    // Opens the drop-down list and clicks the entry, as the developer chooses a category.
    void choose(const QString &text)
    {
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        const QModelIndex index = view->model()->index(combo->findText(text), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    void clickFile(int row)
    {
        const QRect r = files->visualItemRect(files->item(row));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList projectFiles() const
    {
        QStringList names;
        for (const auto &doc : workspace.documents())
            names << QFileInfo(doc.path).fileName();
        return names;
    }

    ui::FakeServices fake;
    QTemporaryDir addInFolder, project;
    vbhost::Workspace workspace;
    std::unique_ptr<tolvar::TemplateWindow> window;
    QComboBox *combo = nullptr;
    tolvar::FileListBox *files = nullptr;
};

TEST_F(TemplateWindowTest, CategoriesFromTheListOnlyAndChoosingAgainRereads)
{
    EXPECT_EQ(window->windowTitle(), tolvar::TemplateWindowCaption);
    EXPECT_EQ(combo->currentText(), "Classes");
    EXPECT_EQ(texts(files), (QStringList{"Queue.cls", "stack.CLS"}));
    EXPECT_EQ(files->path(), addInFolder.path());

    choose("Forms");
    EXPECT_EQ(texts(files), QStringList{"Dialog.frm"});
    choose("Modules");
    EXPECT_EQ(files->count(), 0);

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "Classes");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), "Classes");
    EXPECT_EQ(files->pattern(), "*.bas");

    touch(addInFolder.filePath("Late.bas"));
    EXPECT_EQ(files->count(), 0);
    choose("Modules");
    EXPECT_EQ(texts(files), QStringList{"Late.bas"});
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

// Typing a category and ending the edit in every way leaves the list unread; a file added
// meanwhile shows that no re-read happened. The keyboard inside the open list still chooses.
TEST_F(TemplateWindowTest, ATypedCategoryChangesNothingWhateverEndsTheEdit)
{
    QWidget other;
    other.show();
    const std::function<void()> endings[] = {
        [&] { QTest::keyClick(combo->lineEdit(), Qt::Key_Tab); },
        [&] { QTest::keyClick(combo->lineEdit(), Qt::Key_Return); },
        [&] {
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        }};
    for (const char *name : {"Late.cls", "Late.frm", "Late.bas"})
        touch(addInFolder.filePath(name));
    for (const auto &end : endings) {
        for (const QString category : {"Forms", "Modules", "Classes"}) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            combo->lineEdit()->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), category);
            end();
            EXPECT_EQ(combo->currentText(), category);
            EXPECT_EQ(texts(files), (QStringList{"Queue.cls", "stack.CLS"}))
                << qPrintable(category);
        }
    }
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(texts(files), (QStringList{"Dialog.frm", "Late.frm"}));
}

TEST_F(TemplateWindowTest, EverySelectionChangeAddsTheFile)
{
    clickFile(0);
    QTest::keyClick(files, Qt::Key_Down);
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
    EXPECT_EQ(projectFiles(), (QStringList{"Queue.cls", "stack.CLS"}));
    // Back up onto a file the project holds: vbhost refuses it, and the refusal is reported.
    QTest::keyClick(files, Qt::Key_Up);
    ASSERT_EQ(fake.messageBoxes().size(), 1);
    EXPECT_TRUE(fake.messageBoxes()[0].prompt.startsWith("Error Number: 727\r\n"));
}

TEST_F(TemplateWindowTest, FailuresAreReportedAndChangeNothing)
{
    workspace.close();
    clickFile(1);
    ASSERT_EQ(fake.messageBoxes().size(), 1);
    EXPECT_TRUE(fake.messageBoxes()[0].prompt.startsWith("Error Number: 91\r\n"));

    ASSERT_TRUE(addInFolder.remove());
    choose("Forms");
    ASSERT_EQ(fake.messageBoxes().size(), 2);
    EXPECT_TRUE(fake.messageBoxes()[1].prompt.startsWith("Error Number: 76\r\n"));
    EXPECT_EQ(texts(files), (QStringList{"Queue.cls", "stack.CLS"}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TemplateWindowTest, CloseHidesAndKeepsTheCategoryAndList)
{
    choose("Forms");
    QTest::mouseClick(window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(combo->currentText(), "Forms");
    EXPECT_EQ(texts(files), QStringList{"Dialog.frm"});
}

// The templates shipped in the add-in folder, chosen in the window into a real project.
class ShippedTemplatesTest : public TemplateWindowTest,
                             public ::testing::WithParamInterface<const char *>
{
};

TEST_P(ShippedTemplatesTest, EachOpensSavesBackAndJoinsTheProject)
{
    const QString shipped = qEnvironmentVariable("TOLVAR_ADDIN_DIR");
    tolvar::setAddInFolderForTesting(shipped);
    choose(GetParam());
    const QStringList names = texts(files);
    ASSERT_GE(names.size(), 3) << qPrintable(shipped);
    for (const QString &name : names) {
        QFile f(shipped + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(vbhost::FormFile::load(f.fileName()).toBytes(), f.readAll()) << qPrintable(name);
    }
    for (int row = 0; row < names.size(); ++row)
        clickFile(row);
    EXPECT_TRUE(fake.messageBoxes().isEmpty()) << qPrintable(fake.messageBoxes().value(0).prompt);
    EXPECT_EQ(projectFiles(), names);

    workspace.save();
    vbhost::Workspace reopened;
    reopened.open(workspace.projectPath());
    QStringList reopenedFiles;
    for (const auto &doc : reopened.documents()) {
        reopenedFiles << QFileInfo(doc.path).fileName();
        if (doc.kind == vbhost::DocumentKind::Form) {
            EXPECT_FALSE(reopened.controls(doc.id).isEmpty()) << qPrintable(doc.name);
        }
        EXPECT_FALSE(reopened.code(doc.id).isEmpty()) << qPrintable(doc.name);
    }
    EXPECT_EQ(reopenedFiles, names);
}

INSTANTIATE_TEST_SUITE_P(Categories, ShippedTemplatesTest,
                         ::testing::Values("Classes", "Forms", "Modules"));

} // namespace

TEST_F(TemplateWindowTest, WindowReadsAsItsCaption)
{
    EXPECT_EQ(testing_a11y::misnamedText(window.get()), "");
}
