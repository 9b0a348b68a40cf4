#pragma once

#include <QStringList>
#include <Qt>
#include <functional>

class QMainWindow;
class QMenu;

namespace tolvar {

// Adds `captions` to `menu` as one control array: item i is named ARRAY(i), a "-" is a separator,
// and choosing an item reports its index.
void addMenuArray(QMenu *menu, const QString &array, const QStringList &captions,
                  const std::function<void(int)> &click);

// The menu titles carry no mnemonic, so Alt and `key` open `menu` from the keyboard.
void openMenuWithAlt(QMainWindow *window, QMenu *menu, Qt::Key key);

} // namespace tolvar
