#pragma once

#include "msgboxcode.h"

#include "wizarddialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The message box wizard `MB`: composes a MsgBox call, tries it out and puts its code on the
// clipboard. Loaded hidden once; OK and Cancel only hide it, so everything is kept.
class MessageBoxWizard : public WizardDialog
{
    Q_OBJECT
public:
    explicit MessageBoxWizard(QWidget *parent = nullptr);

    qint16 ButtonsValue = 0;
    qint16 IconValue = 0;
    qint16 DefaultButtonValue = 0;
    qint16 ModalValue = 0;
    // StyleValue, MessageText, TitleText, HelpFileText and ContextValue.
    MsgBoxCall captured;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    QLineEdit *Text1;
    QPlainTextEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    ui::CommonDialog *CommonDialog1;
};

inline const QString MessageBoxWizardCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Message Box Wizard");

} // namespace tolvar
