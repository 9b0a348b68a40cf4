#include "menuarray.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace tolvar {

void addMenuArray(QMenu *menu, const QString &array, const QStringList &captions,
                  const std::function<void(int)> &click)
{
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = captions[i] == u"-" ? menu->addSeparator() : menu->addAction(captions[i]);
        item->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(i));
        QObject::connect(item, &QAction::triggered, menu, [click, i] { click(i); });
    }
}

void openMenuWithAlt(QMainWindow *window, QMenu *menu, Qt::Key key)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | key), window);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window, menu] { window->menuBar()->setActiveAction(menu->menuAction()); });
}

} // namespace tolvar
