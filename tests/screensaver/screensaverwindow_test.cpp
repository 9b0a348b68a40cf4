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

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPolygonF>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

// The empty space around the words of the first page, in points; none when it holds no words.
QMarginsF printedMargins(const QString &pdf)
{
    QProcess boxes;
    boxes.start(QStandardPaths::findExecutable("pdftotext"), {"-bbox", "-l", "1", pdf, "-"});
    boxes.waitForFinished(30000);
    QSizeF page;
    QPolygonF corners; // of every word: xMin/yMin, then xMax/yMax
    for (const auto &m : QRegularExpression(R"re((\w+)="([\d.]+)" (\w+)="([\d.]+)")re")
                             .globalMatch(QString::fromUtf8(boxes.readAllStandardOutput()))) {
        const QPointF at(m.captured(2).toDouble(), m.captured(4).toDouble());
        if (m.captured(1) == "width")
            page = QSizeF(at.x(), at.y());
        else
            corners << at;
    }
    const QRectF words = corners.boundingRect();
    return corners.isEmpty() ? QMarginsF()
                             : QMarginsF(words.left(), words.top(), page.width() - words.right(),
                                         page.height() - words.bottom());
}

TEST(PrintWithoutPrinterTest, OffersANumberedPdfInTheDocumentsFolderWithPrintedMargins)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a real printer is installed";
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty());
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("config") && QDir(home.path()).mkpath("Papers"));
    QFile dirs(home.filePath("config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    dirs.close();
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());

    ui::QtServices services;
    ui::ScopedServices scoped(&services);
    tolvar::ScreenSaverWindow saver;
    saver.show();
    QStringList offered;
    for (int i = 0; i < 2; ++i) {
        whenShown<QPrintDialog>("ShowPrinter", [&](QPrintDialog *dialog) {
            offered << dialog->printer()->outputFileName();
            dialog->accept();
        });
        QTest::mouseClick(saver.findChild<QPushButton *>("Command1(2)"), Qt::LeftButton);
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);

    const QString name = home.filePath("Papers/") + tolvar::InstructionsDocumentName;
    EXPECT_EQ(offered, QStringList({name + ".pdf", name + " (2).pdf"}));
    EXPECT_TRUE(QFileInfo::exists(offered.value(0)) && QFileInfo::exists(offered.value(1)));
    EXPECT_EQ(saver.statusText(), tolvar::PrintingInstructionsStatus);
    const QMarginsF margins = printedMargins(offered.value(0));
    for (double margin : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        EXPECT_GE(margin, 72 / 2) << "points";
}

} // namespace
