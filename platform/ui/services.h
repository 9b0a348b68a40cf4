#pragma once

#include "platform/automation/error.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ui {

// Message box style bits and results, as the Basic run time numbers them.
namespace mb {
enum Buttons {
    OKOnly = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum Icon { Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum Default { DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512 };
enum Modal { ApplicationModal = 0, SystemModal = 4096 };
enum Result { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
} // namespace mb

// Options of the common dialog's file-open service.
struct OpenFileRequest
{
    QString title;
    QString filter; // "Text (*.txt)|*.txt|All (*.*)|*.*"
    QString initialDir;
    bool cancelError = false; // cancelling raises 32755 "Cancel was selected."
    int filterIndex = 1;      // the filter entry selected first, counted from 1
    // Asks for a file to write instead: a new name is fine, replacing one is confirmed.
    bool forSave = false;
    QString defaultSuffix; // added to a name typed without one, when saving
    // An extra list to choose from below the file name (a label and its entries); the index
    // chosen goes to *choice, which also gives the one shown first. Left alone on cancel.
    QString choiceLabel;
    QStringList choices;
    int *choice = nullptr;
};

// WinHelp commands the add-in uses.
enum class HelpCommand { Contents, Context };

// Everything that blocks, pops up or ends the process. Windows get one of these; tests hand
// them a scripted fake.
class Services
{
public:
    virtual ~Services() = default;

    // Returns the number of the button pressed (mb::Result).
    virtual int MsgBox(const QString &prompt, int buttons = 0, const QString &title = {},
                       const QString &helpfile = {}, int context = 0) = 0;
    // A box with a longer text under its "Show Details..." button. Services without such a
    // button show the details after the prompt, following a blank line.
    virtual int MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons = 0,
                                  const QString &title = {});
    // Returns the text entered, or the empty text when cancelled. x and y are twips from the
    // screen's top-left corner; without them the box is centred.
    virtual QString InputBox(const QString &prompt, const QString &title = {},
                             const QString &defaultText = {}, std::optional<double> x = {},
                             std::optional<double> y = {}, const QString &helpfile = {},
                             int context = 0) = 0;

    // Raises cannotOpenClipboard() when the text could not be put there.
    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;

    // The chosen file name, or the empty text when cancelled without cancelError.
    virtual QString ShowOpen(QWidget *parent, const OpenFileRequest &request) = 0;
    // True when the user chose to print; cancelling with cancelError raises 32755. The document
    // name is what a printout to a file is called.
    virtual bool ShowPrinter(QWidget *parent, bool cancelError,
                             const QString &documentName = {}) = 0;
    // The number of copies chosen in the last print dialog (1 before any). The caller prints
    // that many times; the printer itself is left at one copy.
    virtual int printerCopies() = 0;
    // The printer: one text with a line end, then the end of the document. printerEndDoc
    // returns the file the document went to when it was printed to a file, else the empty text.
    virtual void printerPrint(const QString &text) = 0;
    virtual QString printerEndDoc() = 0;

    virtual void WinHelp(const QString &helpfile, HelpCommand command, int context = 0) = 0;

    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;

    // Processes pending window messages once.
    virtual void DoEvents() = 0;
    // Ends the add-in at once: windows close without events, no other code runs.
    [[noreturn]] virtual void EndProcess() = 0;
};

// Error 521, raised while another program holds the clipboard.
automation::Error cannotOpenClipboard();

// The process-wide services, set once at start-up (tests install a fake). Using them before
// any are set is a programming error and aborts with a message.
Services &services();
void setServices(Services *s);
bool hasServices();

// Installs services for one scope and puts the previous ones back after it.
class ScopedServices
{
public:
    explicit ScopedServices(Services *s);
    ~ScopedServices();
    ScopedServices(const ScopedServices &) = delete;
    ScopedServices &operator=(const ScopedServices &) = delete;

private:
    Services *m_previous;
};

} // namespace ui
