#pragma once

#include "platform/ui/services.h"

#include <QList>
#include <QStringList>
#include <QVariantList>
#include <functional>

namespace ui {

// Thrown by FakeServices::EndProcess in place of ending the process.
struct ProcessEnded
{
};

// Scripted services for tests: answers come from queues, every call is recorded.
class FakeServices : public Services
{
public:
    struct Call
    {
        QString name; // the member called, as in Services ("MsgBox", "ShowOpen", ...)
        QVariantList args;
    };
    struct MsgBoxCall
    {
        QString prompt;
        int buttons = 0;
        QString title;
        QString helpfile;
        int context = 0;
        QString details;
    };
    struct PrinterAnswer
    {
        bool print = true;
        int copies = 1;
    };

    // Answers, front first. When a queue is empty: MsgBox presses the default button, InputBox
    // takes its default text, ShowOpen cancels and ShowPrinter prints one copy.
    QList<int> msgBoxResults;
    QStringList inputBoxTexts;
    QList<std::optional<QString>> openFileNames; // nullopt cancels
    QList<int> openChoices;                      // the extra list's index, with a file chosen
    QList<PrinterAnswer> printerAnswers;

    QList<Call> calls;
    QString clipboard;
    bool clipboardBusy = false; // setClipboardText raises cannotOpenClipboard()
    int screenWidth = 15360;
    int screenHeight = 11520;
    int doEventsCount = 0;
    std::function<void()> onDoEvents;
    QString printerText;          // the document being printed
    QStringList printedDocuments; // every ended document
    int copies = 1;

    QList<Call> callsTo(const QString &name) const;
    QList<MsgBoxCall> messageBoxes() const;

    // Answered from msgBoxResults and inputBoxTexts.
    int MsgBox(const QString &prompt, int buttons = 0, const QString &title = {},
               const QString &helpfile = {}, int context = 0) override;
    // Recorded as a MsgBox call with the details as a sixth argument.
    int MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons = 0,
                          const QString &title = {}) override;
    QString InputBox(const QString &prompt, const QString &title = {},
                     const QString &defaultText = {}, std::optional<double> x = {},
                     std::optional<double> y = {}, const QString &helpfile = {},
                     int context = 0) override;
    // The text lives in clipboard; clipboardBusy refuses a new one.
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    // Answered from openFileNames and printerAnswers.
    QString ShowOpen(QWidget *parent, const OpenFileRequest &request) override;
    bool ShowPrinter(QWidget *parent, bool cancelError, const QString &documentName = {}) override;
    // Printing collects the text in printerText; ending the document moves it to
    // printedDocuments.
    int printerCopies() override;
    void printerPrint(const QString &text) override;
    QString printerEndDoc() override;
    // Only recorded.
    void WinHelp(const QString &helpfile, HelpCommand command, int context = 0) override;
    // screenWidth and screenHeight.
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    // Counts and runs onDoEvents.
    void DoEvents() override;
    // Throws ProcessEnded.
    [[noreturn]] void EndProcess() override;
};

} // namespace ui
