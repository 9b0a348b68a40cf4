#pragma once

#include "platform/automation/object.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace vbhost {

// An entry an add-in put on the Add-Ins menu.
struct AddInMenuItemInfo
{
    int id = -1; // stable for the life of the item
    QString caption;
    QString owner; // the owner the add-in's application object was made for; may be empty
};

// The Add-Ins menu: the items add-ins add and the handlers they connect. Choosing an item
// calls AfterClick on each connected handler; the environment never waits for an add-in, and
// a failing handler is reported through handlerError, never thrown at the caller.
class AddInMenu : public QObject
{
    Q_OBJECT

public:
    // Starts a call without waiting for it and reports a failure through onError later.
    // Returns false for a handler it cannot call that way (a local object), which is then
    // called directly.
    using AsyncInvoker = std::function<bool(
        const automation::ObjectPtr &handler, const QString &member, const automation::Values &args,
        std::function<void(const automation::Error &)> onError)>;
    // One for the process: installed by whoever links the peer bridge.
    static void setAsyncInvoker(AsyncInvoker invoker);

    explicit AddInMenu(QObject *parent = nullptr);
    ~AddInMenu() override;

    int addItem(const QString &caption, const QString &owner);
    bool removeItem(int itemId);
    void removeItemsOf(const QString &owner);
    QList<AddInMenuItemInfo> items() const;
    bool hasItem(int itemId) const;
    QString caption(int itemId) const;
    void setCaption(int itemId, const QString &caption);

    // Connection numbers are unique for the life of the menu.
    qint32 connectHandler(int itemId, const automation::ObjectPtr &handler);
    bool disconnectHandler(int itemId, qint32 connectionId);
    int handlerCount(int itemId) const;

    // AfterClick on every handler connected to the item when chosen.
    void choose(int itemId);

    // The menu object (with MenuItems) an add-in with this owner sees.
    automation::ObjectPtr menuObject(const QString &owner);
    // The automation object of an item (the same one Add returned).
    automation::ObjectPtr itemObject(int itemId);

signals:
    void changed();
    void handlerError(const QString &owner, int number, const QString &description);

private:
    struct Item;
    QList<Item> m_items;
    int m_nextItem = 1;
    qint32 m_nextConnection = 1;
    Item *item(int itemId);
    const Item *item(int itemId) const;
};

} // namespace vbhost
