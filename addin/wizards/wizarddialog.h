#pragma once

#include <QDialog>

namespace tolvar {

// A wizard's window: a fixed dialog of the given client size in twips, shown modeless. It has
// no default or cancel button, so Enter and Escape are left to the control with the focus.
class WizardDialog : public QDialog
{
    Q_OBJECT
public:
    WizardDialog(const QString &name, const QString &caption, double clientWidth,
                 double clientHeight, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tolvar
