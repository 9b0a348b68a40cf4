#include "wizarddialog.h"

#include <QKeyEvent>

namespace tolvar {

WizardDialog::WizardDialog(const QString &name, const QString &caption, double clientWidth,
                           double clientHeight, QWidget *parent)
    : FixedDialog(name, caption, clientWidth, clientHeight, parent, Qt::CustomizeWindowHint)
{}

void WizardDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    FixedDialog::keyPressEvent(event);
}

} // namespace tolvar
