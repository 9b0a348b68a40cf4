#include "wizarddialog.h"

#include "platform/ui/twips.h"

#include <QKeyEvent>

namespace tolvar {

WizardDialog::WizardDialog(const QString &name, const QString &caption, double clientWidth,
                           double clientHeight, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(false);
    setFixedSize(ui::twipsToPixels(clientWidth, clientHeight));
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);
}

void WizardDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tolvar
