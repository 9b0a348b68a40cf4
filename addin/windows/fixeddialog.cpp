#include "fixeddialog.h"

#include "platform/ui/twips.h"

namespace tolvar {

FixedDialog::FixedDialog(const QString &name, const QString &caption, double clientWidth,
                         double clientHeight, QWidget *parent, Qt::WindowFlags extraFlags)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | extraFlags);
    setModal(false);
    setFixedSize(ui::twipsToPixels(clientWidth, clientHeight));
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);
}

} // namespace tolvar
