#include "qtservices.h"

#include "commondialogfilter.h"
#include "inputboxdialog.h"
#include "msgboxstyle.h"
#include "platform/automation/error.h"
#include "printout.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTreeView>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

QString withNewlines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Qt's own file dialog opens with its name column cut short; the columns take the width
// their contents need once a folder is read, and the dialog the room to show them.
void fitFileDialogColumns(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QTreeView *>();
    auto *model = dialog.findChild<QFileSystemModel *>();
    if (!view || !model)
        return;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] {
        for (int c = 0; c < view->header()->count(); ++c)
            view->resizeColumnToContents(c);
    });
    if (const QScreen *screen = dialog.screen()) {
        const QSize room = screen->availableGeometry().size() * 0.8;
        dialog.resize(std::min(room.width(), 860), std::min(room.height(), 520));
    }
}

QMessageBox::Icon messageIcon(int icon)
{
    switch (icon) {
    case mb::Critical:
        return QMessageBox::Critical;
    case mb::Question:
        return QMessageBox::Question;
    case mb::Exclamation:
        return QMessageBox::Warning;
    case mb::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// A message box no taller than the screen it shows on, even with its details open: what does
// not fit of the text moves to the top of the details, the lines that fit stay.
class ScreenHighMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event); // the box takes its size from its text here
        const QString full = text();
        if (fits())
            return;
        qsizetype kept = 0, cut = full.size();
        while (kept + 1 < cut) {
            const qsizetype middle = (kept + cut) / 2;
            setText(shortened(full, middle));
            (fits() ? kept : cut) = middle;
        }
        setText(shortened(full, kept));
        const QString details = detailedText();
        setDetailedText(details.isEmpty() ? full : full + QStringLiteral("\n\n") + details);
    }

private:
    static QString shortened(const QString &text, qsizetype length)
    {
        QString head = text.left(length);
        if (const qsizetype lineEnd = head.lastIndexOf(u'\n'); lineEnd > 0)
            head.truncate(lineEnd);
        return head + QStringLiteral("\n...");
    }
    bool fits() const
    {
        const QScreen *s = screen();
        if (!s)
            return true;
        // Room for the window frame, the details (shown or not) and a button row of their own.
        const int line = fontMetrics().height();
        return height() + 12 * line <= s->availableGeometry().height();
    }
};

// The print dialog's file box is narrow: the offered file is read whole, not cut at the front.
void showWholeFileName(QPrintDialog &dialog)
{
    auto *file = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!file)
        return;
    dialog.adjustSize();
    const int missing = file->fontMetrics().horizontalAdvance(file->text()) +
                        2 * file->fontMetrics().averageCharWidth() - file->width();
    const QScreen *screen = dialog.screen();
    const int widest = screen ? screen->availableGeometry().width() : dialog.width();
    if (missing > 0)
        dialog.resize(std::min(dialog.width() + missing, widest), dialog.height());
}

} // namespace

QtServices::QtServices(QString applicationTitle) : m_applicationTitle(std::move(applicationTitle))
{}

QtServices::~QtServices() = default;

QString QtServices::applicationTitle() const
{
    return m_applicationTitle.isEmpty() ? QGuiApplication::applicationDisplayName()
                                        : m_applicationTitle;
}

int QtServices::MsgBox(const QString &prompt, int buttons, const QString &title,
                       const QString &helpfile, int context)
{
    return showMessageBox(prompt, {}, buttons, title, helpfile, context);
}

int QtServices::MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons,
                                  const QString &title)
{
    return showMessageBox(prompt, details, buttons, title, {}, 0);
}

int QtServices::showMessageBox(const QString &prompt, const QString &details, int buttons,
                               const QString &title, const QString &helpfile, int context)
{
    const MsgBoxStyle style = msgBoxStyle(buttons);
    ScreenHighMessageBox box(QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(withNewlines(prompt));
    box.setIcon(messageIcon(style.icon));
    if (!details.isEmpty())
        box.setDetailedText(withNewlines(details));

    // Action buttons keep the order they are added in on every platform layout; the default
    // and Escape buttons are set explicitly rather than derived from roles.
    QHash<QAbstractButton *, int> results;
    for (int result : style.buttons) {
        const QString text = msgBoxButtonText(result);
        QPushButton *button = box.addButton(text, QMessageBox::ActionRole);
        button->setObjectName(text);
        button->setAccessibleName(text);
        results.insert(button, result);
        if (result == style.defaultButton)
            box.setDefaultButton(button);
        if (result == style.escapeButton)
            box.setEscapeButton(button);
    }
    box.setWindowModality(Qt::ApplicationModal);
    if (style.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (!helpfile.isEmpty()) {
        auto *f1 = new QShortcut(QKeySequence::HelpContents, &box);
        QObject::connect(f1, &QShortcut::activated, &box, [this, helpfile, context] {
            try {
                WinHelp(helpfile, HelpCommand::Context, context);
            } catch (const automation::Error &) {
                // Help that cannot start leaves the question open.
            }
        });
    }
    box.exec();
    return results.value(box.clickedButton(),
                         style.escapeButton ? style.escapeButton : style.defaultButton);
}

QString QtServices::InputBox(const QString &prompt, const QString &title,
                             const QString &defaultText, std::optional<double> x,
                             std::optional<double> y, const QString &helpfile, int context)
{
    // Positions are whole twips on the platform; beyond that no window can be placed.
    for (const std::optional<double> &at : {x, y}) {
        if (at && !(std::fabs(*at) <= 2147483647.0))
            throw automation::Error::overflow();
    }
    InputBoxDialog dialog(prompt, title.isEmpty() ? applicationTitle() : title, defaultText,
                          !helpfile.isEmpty(), QApplication::activeWindow());
    QObject::connect(&dialog, &InputBoxDialog::helpRequested, &dialog, [this, helpfile, context] {
        try {
            WinHelp(helpfile, HelpCommand::Context, context);
        } catch (const automation::Error &) {
        }
    });
    dialog.adjustSize();
    QRect screen(0, 0, 1024, 768);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        screen = s->geometry();
    dialog.move(inputBoxTopLeft(dialog.size(), screen, x, y));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.text();
}

void QtServices::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    // The platform does not say when another program kept the clipboard; what reads back does.
    if (clipboard->text(QClipboard::Clipboard) != text)
        throw cannotOpenClipboard();
}

QString QtServices::clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

QString QtServices::ShowOpen(QWidget *parent, const OpenFileRequest &request)
{
    QFileDialog dialog(parent, request.title.isEmpty() ? QStringLiteral("Open") : request.title,
                       request.initialDir);
    dialog.setObjectName(QStringLiteral("ShowOpen"));
    dialog.setAcceptMode(request.forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFiltersFromCommonDialog(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.filterIndex - 1, filters.constFirst()));
    }
    QComboBox *choices = nullptr;
    if (!request.choices.isEmpty() && request.choice) {
        // Qt's own dialog, so that the list can sit under the file type.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
            auto *label = new QLabel(request.choiceLabel, &dialog);
            choices = new QComboBox(&dialog);
            choices->setObjectName(QStringLiteral("choice"));
            choices->addItems(request.choices);
            choices->setCurrentIndex(qBound(0, *request.choice, int(request.choices.size()) - 1));
            label->setBuddy(choices);
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(choices, row, 1);
        }
    }
    fitFileDialogColumns(dialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        if (choices)
            *request.choice = choices->currentIndex();
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }
    if (request.cancelError)
        throw automation::Error::cancelled();
    return {};
}

QPrinter &QtServices::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setDefaultMargins(*m_printer);
    }
    return *m_printer;
}

bool QtServices::ShowPrinter(QWidget *parent, bool cancelError, const QString &documentName)
{
    m_documentName = documentName;
    QPrinter &p = printer();
    p.setDocName(documentName);
    // With nowhere else to print, the dialog offers a file the user will find, never one that
    // holds an earlier printout.
    if (!hasPrinter())
        p.setOutputFileName(newPdfPath(documentName));
    QPrintDialog dialog(&p, parent ? parent : QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("ShowPrinter"));
    showWholeFileName(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        if (cancelError)
            throw automation::Error::cancelled();
        return false;
    }
    // The caller prints each copy itself.
    m_copies = qMax(1, p.copyCount());
    p.setCopyCount(1);
    keepLeastMargins(p);
    return true;
}

int QtServices::printerCopies()
{
    return m_copies;
}

void QtServices::printerPrint(const QString &text)
{
    m_document += withNewlines(text) + u'\n';
}

QString QtServices::printerEndDoc()
{
    if (m_document.isEmpty())
        return {};
    const QString text = std::exchange(m_document, QString());
    QPrinter &p = printer();
    const bool printerInstalled = hasPrinter();
    QString file;
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty()) {
        file = p.outputFileName();
    } else if (p.outputFormat() != QPrinter::NativeFormat || !p.isValid() || !printerInstalled) {
        file = newPdfPath(m_documentName.isEmpty() ? applicationTitle() : m_documentName);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(file);
    }
    keepLeastMargins(p);
    paintDocument(p, text);
    // Without a printer every document gets a file of its own, never overwriting an earlier one.
    if (!printerInstalled)
        p.setOutputFileName(QString());
    if (!file.isEmpty() && QFileInfo(file).size() == 0)
        throw printerError();
    return file;
}

QString QtServices::helpViewerPath()
{
    const QString forced = qEnvironmentVariable("TOLVAR_HELPVIEW");
    if (!forced.isEmpty())
        return QFileInfo(forced).isExecutable() ? forced : QString();
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {QStringLiteral("helpview"), QStringLiteral("../../bin/helpview"),
          QStringLiteral("../bin/helpview"), QStringLiteral("bin/helpview")}) {
        const QFileInfo info(here.filePath(candidate));
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

void QtServices::WinHelp(const QString &helpfile, HelpCommand command, int context)
{
    const QString viewer = helpViewerPath();
    if (viewer.isEmpty())
        throw automation::Error(53, QStringLiteral("File not found: helpview"));
    QStringList args{helpfile};
    if (command == HelpCommand::Contents)
        args << QStringLiteral("--contents");
    else
        args << QStringLiteral("--context") << QString::number(context);
    if (!QProcess::startDetached(viewer, args))
        throw automation::Error(53, QStringLiteral("File not found: ") + viewer);
}

int QtServices::screenWidthTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(pixelsToTwips(screen->geometry().width())) : 0;
}

int QtServices::screenHeightTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(pixelsToTwips(screen->geometry().height())) : 0;
}

void QtServices::DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtServices::EndProcess()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace ui
