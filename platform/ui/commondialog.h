#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ui {

// The common dialog control: a window's invisible helper for the file-open and print dialogs and
// for help requests. Its settings persist between uses, as the control's properties do; every
// dialog goes through ui::services(), owned by the window the control sits on.
class CommonDialog : public QObject
{
    Q_OBJECT
public:
    // HelpCommand values, as the help engine numbers them.
    static constexpr qint16 cdlHelpContext = 1;
    static constexpr qint16 cdlHelpContents = 3;

    // The control is named "CommonDialog1" unless renamed.
    explicit CommonDialog(QWidget *owner);

    bool CancelError = false; // cancelling raises 32755 "Cancel was selected."
    QString DialogTitle;
    QString Filter; // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
    int FilterIndex = 1;
    QString InitDir;
    QString FileName;
    int Copies = 1;
    QString DocumentName; // what a printout to a file is called
    QString HelpFile;
    qint32 HelpContext = 0;
    qint16 HelpCommand = 0;

    // Shows the file-open dialog; the chosen full path goes to FileName. Cancelling leaves
    // FileName as it was, or raises when CancelError is set.
    void ShowOpen();
    // Shows the print dialog; Copies takes the number chosen. False when cancelled without
    // CancelError.
    bool ShowPrinter();
    // Asks the help engine for HelpFile with HelpCommand (contents, or the topic HelpContext).
    // Returns at once.
    void ShowHelp();

    QWidget *owner() const { return m_owner; }

private:
    QWidget *m_owner;
};

} // namespace ui
