#pragma once

#include "addin/windows/fixeddialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The screen saver skeleton window `saver`: a page of instructions, "Create Skeleton" to add a
// screen-saver form to the active project, "Print Instructions" and "Close", which only hides.
// Loaded hidden when the tool window starts; shown modeless from its button.
class ScreenSaverWindow : public FixedDialog
{
    Q_OBJECT
public:
    explicit ScreenSaverWindow(QWidget *parent = nullptr);

    void Command1_Click(int index);
    void CreateSkeleton();
    void PrintInstructions();

    QString statusText() const;
    // Text1's text as the program reads it: lines ended by carriage return and line feed.
    QString Text1Text() const;

private:
    void setStatusText(const QString &text);

    QPlainTextEdit *m_text = nullptr;
    QLabel *m_status = nullptr;
    ui::CommonDialog *m_commonDialog = nullptr;
};

inline const QString ScreenSaverCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Screen Saver Skeleton");
// What the printed instructions are called, as a file when they are printed to one.
inline const QString InstructionsDocumentName =
    QStringLiteral("Screen Saver Skeleton Instructions");
inline const QString CreatingSkeletonStatus = QStringLiteral("Creating Skeleton...");
inline const QString PrintingInstructionsStatus = QStringLiteral("Printing Instructions...");

} // namespace tolvar
