// The screen saver skeleton window against vbhost's model of a real project: creating the
// form, failures that leave the window usable, printing (also through the real print dialog
// into a PDF file) and closing.
#include "accessiblenames.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/errorreport.h"
#include "addin/runtime/hostapp.h"
#include "addin/screensaver/screensaverinstructions.h"
#include "addin/screensaver/screensaverwindow.h"
#include "fakeservices.h"
#include "ide/model/workspace.h"
#include "platform/ui/qtservices.h"
#include "windowwatch.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using automation::Value;

namespace {

// The window against vbhost's model of a real project.
class ScreenSaverWindowTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ui::setServices(&fake);
        QFile::copy(qEnvironmentVariable("TOLVAR_ADDIN_DIR") + "/kzlsav.MOD",
                    addInFolder.filePath("kzlsav.MOD"));
        tolvar::setAddInFolderForTesting(addInFolder.path());
        QFile vbp(project.filePath("Saver.vbp"));
        ASSERT_TRUE(vbp.open(QIODevice::WriteOnly));
        vbp.write("Name=\"Saver\"\r\n");
        vbp.close();
        workspace.open(vbp.fileName());
        tolvar::HostApp = Value(workspace.application("tolvar"));
        window = std::make_unique<tolvar::ScreenSaverWindow>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        tolvar::HostApp = Value();
        tolvar::setAddInFolderForTesting(QString());
        ui::setServices(nullptr);
    }

    void click(int index)
    {
        auto *button = window->findChild<QPushButton *>(QStringLiteral("Command1(%1)").arg(index));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList formNames() const
    {
        QStringList names;
        for (const auto &doc : workspace.documents())
            names << doc.name;
        return names;
    }
    int formId(const QString &name) const
    {
        for (const auto &doc : workspace.documents())
            if (doc.name == name)
                return doc.id;
        return -1;
    }

    ui::FakeServices fake;
    QTemporaryDir addInFolder, project;
    vbhost::Workspace workspace;
    std::unique_ptr<tolvar::ScreenSaverWindow> window;
};

TEST_F(ScreenSaverWindowTest, LayoutAndPageAsGiven)
{
    EXPECT_EQ(window->windowTitle(), tolvar::ScreenSaverCaption);
    EXPECT_EQ(window->Text1Text(), tolvar::screenSaverInstructions());
    EXPECT_TRUE(window->findChild<QPlainTextEdit *>("Text1")->isReadOnly());
    QStringList fromLeft, tabOrder;
    QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    for (auto *b : buttons)
        fromLeft << b->objectName() + " " + b->text();
    EXPECT_EQ(fromLeft, (QStringList{"Command1(2) Print Instructions",
                                     "Command1(0) Create Skeleton", "Command1(1) Close"}));
    QWidget *w = window->findChild<QWidget *>("Command1(0)");
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        tabOrder << w->objectName();
    }
    EXPECT_EQ(tabOrder, (QStringList{"Command1(0)", "Text1", "Command1(1)", "Command1(2)"}));
    click(2);
    EXPECT_EQ(testing_a11y::misnamedText(window.get()), "");
}

struct FailureCase
{
    const char *name;
    void (*arrange)(ScreenSaverWindowTest &);
    int number;
    QStringList formsAfter; // the project's forms after the failure
};

class ScreenSaverFailureTest : public ScreenSaverWindowTest,
                               public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ScreenSaverFailureTest, ReportsKeepsWhatWasAddedAndStaysUsable)
{
    GetParam().arrange(*this);
    click(0);
    const auto boxes = fake.messageBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(
        boxes[0].prompt.startsWith(QStringLiteral("Error Number: %1\r\n").arg(GetParam().number)))
        << qPrintable(boxes[0].prompt);
    EXPECT_EQ(boxes[0].title, tolvar::ErrorReportTitle);
    EXPECT_EQ(formNames(), GetParam().formsAfter);
    EXPECT_EQ(window->statusText(), "");
    EXPECT_TRUE(window->isVisible());
    click(2);
    EXPECT_EQ(fake.printedDocuments.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ScreenSaverFailureTest,
    ::testing::Values(
        FailureCase{"NoProject", [](ScreenSaverWindowTest &t) { t.workspace.close(); }, 91, {}},
        FailureCase{"FormAlreadyThere",
                    [](ScreenSaverWindowTest &t) { t.click(0); },
                    727,
                    {"scnsvr", "Form1"}},
        FailureCase{
            "ModuleMissing",
            [](ScreenSaverWindowTest &t) { QFile::remove(t.addInFolder.filePath("kzlsav.MOD")); },
            53,
            {"scnsvr"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenSaverWindowTest, CancelledPrintDialogReportsAndPrintsNothing)
{
    fake.printerAnswers = {{false, 1}};
    click(2);
    const auto boxes = fake.messageBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "Error Number: 32755\r\nCancel was selected.");
    EXPECT_TRUE(fake.callsTo("printerPrint").isEmpty());
    EXPECT_TRUE(fake.callsTo("printerEndDoc").isEmpty());
    EXPECT_EQ(window->statusText(), "");
}

TEST_F(ScreenSaverWindowTest, CloseHidesAndShowingAgainKeepsThePlace)
{
    window->move(window->pos() + QPoint(40, 30));
    const QPoint where = window->pos();
    click(1);
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(window->pos(), where);
}

class PrintToPdfTest : public ::testing::TestWithParam<int>
{
};

TEST_P(PrintToPdfTest, EveryCopyGoesIntoOneDocument)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed";
    ui::QtServices services;
    ui::ScopedServices scoped(&services);
    tolvar::ScreenSaverWindow saver;
    saver.show();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("instructions.pdf");
    const int copies = GetParam();
    int copiesLeftOnPrinter = -1;
    whenShown<QPrintDialog>("ShowPrinter", [&](QPrintDialog *dialog) {
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->printer()->setCopyCount(copies);
        dialog->done(QDialog::Accepted);
    });
    QTest::mouseClick(saver.findChild<QPushButton *>("Command1(2)"), Qt::LeftButton);
    EXPECT_EQ(saver.statusText(), tolvar::PrintingInstructionsStatus);
    QProcess text;
    text.start(pdftotext, {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(printed.count("To start building your screen saver"), copies) << qPrintable(printed);
    EXPECT_EQ(printed.count("For example SCRNSAVE:Project1"), copies);
    whenShown<QPrintDialog>("ShowPrinter", [&](QPrintDialog *dialog) {
        copiesLeftOnPrinter = dialog->printer()->copyCount();
        dialog->reject();
    });
    services.ShowPrinter(nullptr, false);
    EXPECT_EQ(copiesLeftOnPrinter, 1);
}

INSTANTIATE_TEST_SUITE_P(Copies, PrintToPdfTest, ::testing::Values(1, 3));

} // namespace
