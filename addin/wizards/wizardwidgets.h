#pragma once

#include <QList>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The controls of the wizards, placed in twips (left, top, width, height) inside their parent.
// Buttons never act on Enter, so that only a click or Space presses them.
QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, double left,
                    double top, double width, double height);
QRadioButton *addOption(QWidget *parent, const QString &name, const QString &caption, double left,
                        double top, double width, double height);
// The options of one frame, added top to bottom: below the frame's caption, in one font size
// that fits every caption.
void fitOptions(QGroupBox *frame, const QList<QRadioButton *> &options);
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, double left,
                 double top, double width, double height, QWidget *buddy);
QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top, double width,
                      double height);
// Multi-line with both scroll bars: no wrapping, Enter starts a new line, Tab leaves.
QPlainTextEdit *addMultiLineTextBox(QWidget *parent, const QString &name, double left, double top,
                                    double width, double height);
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, double left,
                       double top, double width, double height);

// The "Help Settings" frame `Frame6` with the help file box `Text3`, its browse button
// `Command4` and the context box `Text4`.
struct HelpSettings
{
    QLineEdit *Text3;
    QLineEdit *Text4;
    QPushButton *Command4;
};
HelpSettings addHelpSettings(QWidget *window, double frameLeft, double frameTop,
                             double helpFileLeft);

// Test (`Command1`), OK (`Command2`) and Cancel (`Command3`) in one row along the bottom.
struct WizardButtons
{
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};
WizardButtons addWizardButtons(QWidget *window, const QString &testCaption, double testLeft,
                               double top);

// Tab visits the controls in this order.
void chainTabOrder(const QList<QWidget *> &order);

// The message as typed, with the line ends the code is written with.
QString multiLineText(const QPlainTextEdit *box);

// The help file browse: a cancelled or failing dialog leaves the box as it was.
void browseForHelpFile(ui::CommonDialog &dialog, QLineEdit *helpFileBox);

// Puts the code on the clipboard, confirms with the code shown and hides the window. A clipboard
// that cannot be opened raises before anything is shown, so the window stays open.
void deliverCode(QWidget *window, const QString &code, const QString &sentence);

} // namespace tolvar
