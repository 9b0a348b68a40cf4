#include "helpviewstub.h"
#include "platform/automation/error.h"
#include "platform/ui/commondialogfilter.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/twips.h"
#include "windowwatch.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>

using namespace ui;

namespace {

struct FilterCase
{
    const char *filter;
    QStringList expected;
};

class FilterTest : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(FilterTest, CommonDialogFilterBecomesQtNameFilters)
{
    EXPECT_EQ(nameFiltersFromCommonDialog(QString::fromUtf8(GetParam().filter)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterTest,
    ::testing::Values(FilterCase{"Help Files (*.hlp)|*.hlp", {"Help Files (*.hlp) (*.hlp)"}},
                      FilterCase{"Text|*.txt|All Files|*.*", {"Text (*.txt)", "All Files (*)"}},
                      FilterCase{"Pictures|*.bmp;*.ico; *.wmf", {"Pictures (*.bmp *.ico *.wmf)"}},
                      FilterCase{"|*.frm", {"*.frm (*.frm)"}},
                      FilterCase{"Text|*.txt|Dangling", {"Text (*.txt)"}}, FilterCase{"Empty|", {}},
                      FilterCase{"", {}}));

TEST(ShowOpenTest, ReturnsChosenFileWithFiltersShown)
{
    QTemporaryDir dir;
    QFile(dir.filePath("greet.hlp")).open(QIODevice::WriteOnly);
    QtServices services;
    QStringList filters;
    whenShown<QFileDialog>("ShowOpen", [&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        EXPECT_EQ(dialog->windowTitle(), "Choose");
        dialog->selectFile(dir.filePath("greet.hlp"));
        static_cast<QDialog *>(dialog)->accept();
    });
    OpenFileRequest request;
    request.title = QStringLiteral("Choose");
    request.filter = QStringLiteral("Help Files|*.hlp|All|*.*");
    request.initialDir = dir.path();
    request.cancelError = true;
    const QString chosen = services.ShowOpen(nullptr, request);
    EXPECT_EQ(chosen, dir.filePath("greet.hlp"));
    EXPECT_EQ(filters, (QStringList{"Help Files (*.hlp)", "All (*)"}));
}

TEST(ShowOpenTest, CancelRaisesOnlyWithCancelError)
{
    QtServices services;
    whenShown<QFileDialog>("ShowOpen", [](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(services.ShowOpen(nullptr, {}), "");
    whenShown<QFileDialog>("ShowOpen", [](QFileDialog *dialog) { dialog->reject(); });
    try {
        OpenFileRequest request;
        request.cancelError = true;
        services.ShowOpen(nullptr, request);
        ADD_FAILURE() << "no error raised";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 32755);
        EXPECT_EQ(e.description(), "Cancel was selected.");
    }
}

TEST(ShowPrinterTest, CancelRaisesOnlyWithCancelError)
{
    QtServices services;
    whenShown<QPrintDialog>("ShowPrinter", [](QPrintDialog *dialog) { dialog->reject(); });
    EXPECT_FALSE(services.ShowPrinter(nullptr, false));
    whenShown<QPrintDialog>("ShowPrinter", [](QPrintDialog *dialog) { dialog->reject(); });
    try {
        services.ShowPrinter(nullptr, true);
        ADD_FAILURE() << "no error raised";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 32755);
    }
}

TEST(ShowPrinterTest, CopiesAreReportedAndLeftToTheCaller)
{
    QtServices services;
    whenShown<QPrintDialog>("ShowPrinter", [](QPrintDialog *dialog) {
        dialog->printer()->setCopyCount(3);
        dialog->done(QDialog::Accepted);
    });
    ASSERT_TRUE(services.ShowPrinter(nullptr, true));
    EXPECT_EQ(services.printerCopies(), 3);
}

class PrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            GTEST_SKIP() << "a real printer is installed";
        savedHome = qgetenv("HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    }
    void TearDown() override
    {
        if (!savedHome.isNull()) {
            qputenv("HOME", savedHome);
            qputenv("XDG_CONFIG_HOME", savedConfig);
        }
    }
    QTemporaryDir home;
    QByteArray savedHome, savedConfig;
};

TEST_F(PrinterTest, WithoutPrinterOrDocumentsFolderDocumentBecomesPdfAtHome)
{
    QtServices services(QStringLiteral("Tolvar"));
    EXPECT_EQ(services.printerEndDoc(), "");
    services.printerPrint(QStringLiteral("First copy"));
    services.printerPrint(QStringLiteral("Second copy"));
    const QString first = services.printerEndDoc();
    EXPECT_EQ(first, home.filePath("Tolvar.pdf"));
    QFile pdf(first);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    services.printerPrint(QStringLiteral("Next document"));
    const QString second = services.printerEndDoc();
    EXPECT_EQ(second, home.filePath("Tolvar (2).pdf"));
    EXPECT_TRUE(QFileInfo(second).size() > 0);
}

TEST(ClipboardTest, SetTextReplacesClipboard)
{
    QtServices services;
    services.setClipboardText(QStringLiteral("Sub A()\rEnd Sub\r"));
    EXPECT_EQ(services.clipboardText(), "Sub A()\rEnd Sub\r");
    services.setClipboardText(QString());
    EXPECT_EQ(services.clipboardText(), "");
}

TEST(ScreenTest, SizeIsPrimaryScreenInTwips)
{
    QtServices services;
    const QSize pixels = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(services.screenWidthTwips(), qRound(pixelsToTwips(pixels.width())));
    EXPECT_EQ(services.screenHeightTwips(), qRound(pixelsToTwips(pixels.height())));
}

TEST(WinHelpTest, StartsHelpViewerAtContentsOrContext)
{
    QtServices services;
    {
        HelpViewStub helpview;
        services.WinHelp(QStringLiteral("/opt/tolvar/tolvar.hlp"), HelpCommand::Contents);
        EXPECT_EQ(helpview.arguments(), (QStringList{"/opt/tolvar/tolvar.hlp", "--contents"}));
    }
    {
        HelpViewStub helpview;
        services.WinHelp(QStringLiteral("tolvar.hlp"), HelpCommand::Context, 80);
        EXPECT_EQ(helpview.arguments(), (QStringList{"tolvar.hlp", "--context", "80"}));
    }
}

TEST(WinHelpTest, MissingViewerRaisesFileNotFound)
{
    const QByteArray saved = qgetenv("TOLVAR_HELPVIEW");
    qputenv("TOLVAR_HELPVIEW", "/nonexistent/helpview");
    QtServices services;
    try {
        services.WinHelp(QStringLiteral("tolvar.hlp"), HelpCommand::Contents);
        ADD_FAILURE() << "no error raised";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_TRUE(e.description().contains("helpview"));
    }
    qputenv("TOLVAR_HELPVIEW", saved);
}

} // namespace
