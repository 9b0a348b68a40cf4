#pragma once

#include "inputboxcode.h"

#include "boxwizard.h"

class QLineEdit;

namespace tolvar {

// The input box wizard `INbox`: composes an InputBox call, tries it out and puts its code on the
// clipboard. It keeps nothing but what its boxes hold; OK and Cancel only hide it.
class InputBoxWizard : public BoxWizard
{
    Q_OBJECT
public:
    explicit InputBoxWizard(QWidget *parent = nullptr);

    InputBoxFields fields() const;

private:
    void Form_Load();
    void Command1_Click() override;
    void Command2_Click() override;

    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;
};

inline const QString InputBoxWizardCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Inputbox Wizard");

} // namespace tolvar
