#pragma once

#include "msgboxcode.h"

#include "boxwizard.h"

namespace tolvar {

// The message box wizard `MB`: composes a MsgBox call, tries it out and puts its code on the
// clipboard. Loaded hidden once; OK and Cancel only hide it, so everything is kept.
class MessageBoxWizard : public BoxWizard
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
    void Command1_Click() override;
    void Command2_Click() override;
};

inline const QString MessageBoxWizardCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Message Box Wizard");

} // namespace tolvar
