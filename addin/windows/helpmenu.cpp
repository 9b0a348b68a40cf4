#include "helpmenu.h"

#include "formregistry.h"
#include "menuarray.h"
#include "showhelptopic.h"

#include "addin/runtime/traps.h"
#include "platform/ui/commondialog.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace tolvar {

void HelpMenuClick(ui::CommonDialog &dialog, int index)
{
    ReportAndLeave([&dialog, index] {
        switch (index) {
        case 0:
            ShowHelpTopic(dialog, ui::CommonDialog::cdlHelpContents);
            break;
        case 1:
            ShowHelpTopic(dialog, ui::CommonDialog::cdlHelpContext, UsingTheAddInContext);
            break;
        case 3:
            forms().show(formname::AboutBox);
            break;
        default:
            break;
        }
    });
}

QMenu *addHelpMenu(QMainWindow *window, const QString &name, const QString &array,
                   const std::function<void(int)> &click)
{
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("Help"));
    menu->setObjectName(name);
    menu->setAccessibleName(QStringLiteral("Help"));
    addMenuArray(menu, array,
                 {QStringLiteral("Help Contents"), QStringLiteral("Using The Tolvar Add-In"),
                  QStringLiteral("-"), QStringLiteral("About")},
                 click);
    openMenuWithAlt(window, menu, Qt::Key_H);
    return menu;
}

} // namespace tolvar
