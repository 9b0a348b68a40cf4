#pragma once

#include "addin/windows/fixeddialog.h"

namespace tolvar {

// A wizard's window: a fixed dialog with no default or cancel button, so that Enter and Escape
// are left to the control with the focus.
class WizardDialog : public FixedDialog
{
    Q_OBJECT
public:
    WizardDialog(const QString &name, const QString &caption, double clientWidth,
                 double clientHeight, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tolvar
