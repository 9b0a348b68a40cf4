#pragma once

#include "services.h"

#include <memory>

class QPrinter;

namespace ui {

// The services as the user meets them: Qt dialogs, the system clipboard, the printer (or a PDF
// file when there is none) and the help viewer in its own process.
class QtServices : public Services
{
public:
    // The title of boxes shown without one; empty means the application's display name.
    explicit QtServices(QString applicationTitle = {});
    ~QtServices() override;

    QString applicationTitle() const;

    int MsgBox(const QString &prompt, int buttons = 0, const QString &title = {},
               const QString &helpfile = {}, int context = 0) override;
    int MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons = 0,
                          const QString &title = {}) override;
    QString InputBox(const QString &prompt, const QString &title = {},
                     const QString &defaultText = {}, std::optional<double> x = {},
                     std::optional<double> y = {}, const QString &helpfile = {},
                     int context = 0) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    QString ShowOpen(QWidget *parent, const OpenFileRequest &request) override;
    // Without a printer the dialog offers a new PDF file named for the document in the user's
    // documents folder; pages keep margins of half an inch at least.
    bool ShowPrinter(QWidget *parent, bool cancelError, const QString &documentName = {}) override;
    int printerCopies() override;
    void printerPrint(const QString &text) override;
    // Without a printer (no print system), or with the print dialog's file output, the document
    // becomes a PDF file: the one chosen, else a new one as the dialog would offer.
    QString printerEndDoc() override;
    // Starts helpview detached; raises error 53 when helpview cannot be found or started.
    void WinHelp(const QString &helpfile, HelpCommand command, int context = 0) override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    void DoEvents() override;
    // Flushes the standard streams and leaves with _Exit(0): no destructors, no close events;
    // windows vanish with the process and peers see the connection drop.
    [[noreturn]] void EndProcess() override;

    // helpview beside the running executable, or in the build's or installation's bin/ when the
    // executable runs from lib/tolvar/; $TOLVAR_HELPVIEW overrides. Empty when none is found.
    static QString helpViewerPath();

private:
    int showMessageBox(const QString &prompt, const QString &details, int buttons,
                       const QString &title, const QString &helpfile, int context);
    QPrinter &printer();

    QString m_applicationTitle;
    std::unique_ptr<QPrinter> m_printer;
    QString m_document;
    QString m_documentName;
    int m_copies = 1;
};

} // namespace ui
