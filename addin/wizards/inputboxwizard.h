#pragma once

#include "inputboxcode.h"

#include "wizarddialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {
class CommonDialog;
}

namespace tolvar {

// The input box wizard `INbox`: composes an InputBox call, tries it out and puts its code on the
// clipboard. It keeps nothing but what its boxes hold; OK and Cancel only hide it.
class InputBoxWizard : public WizardDialog
{
    Q_OBJECT
public:
    explicit InputBoxWizard(QWidget *parent = nullptr);

    InputBoxFields fields() const;

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
    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;
    ui::CommonDialog *CommonDialog1;
};

inline const QString InputBoxWizardCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Inputbox Wizard");

} // namespace tolvar
