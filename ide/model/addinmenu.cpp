#include "ide/model/addinmenu.h"

#include <QPointer>

namespace vbhost {

using automation::Error;
using automation::ObjectPtr;
using automation::Value;
using automation::Values;

namespace {

AddInMenu::AsyncInvoker &asyncInvoker()
{
    static AddInMenu::AsyncInvoker invoker;
    return invoker;
}

Error itemGone()
{
    return Error::notSet();
}

class MenuItemObject : public automation::DispatchObject
{
public:
    MenuItemObject(AddInMenu *menu, int id) : m_menu(menu), m_id(id)
    {
        property(
            QStringLiteral("Caption"),
            [this](const Values &) { return Value(live()->caption(m_id)); },
            [this](const Values &, const Value &v) { live()->setCaption(m_id, v.toString()); });
        method(QStringLiteral("ConnectEvents"), [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            ObjectPtr handler = args[0].toObject();
            if (!handler)
                throw Error::notSet();
            return Value(live()->connectHandler(m_id, handler));
        });
        method(QStringLiteral("DisconnectEvents"), [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            if (!live()->disconnectHandler(m_id, args[0].toLong()))
                throw Error::invalidCall();
            return Value();
        });
    }
    int id() const { return m_id; }

private:
    AddInMenu *live() const
    {
        if (!m_menu || !m_menu->hasItem(m_id))
            throw itemGone();
        return m_menu;
    }
    QPointer<AddInMenu> m_menu;
    int m_id;
};

class MenuItemsObject : public automation::DispatchObject
{
public:
    MenuItemsObject(AddInMenu *menu, const QString &owner) : m_menu(menu), m_owner(owner)
    {
        method(QStringLiteral("Add"), [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            AddInMenu *m = live();
            return Value(m->itemObject(m->addItem(args[0].toString(), m_owner)));
        });
        method(QStringLiteral("Remove"), [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            AddInMenu *m = live();
            int id = -1;
            if (args[0].isObject()) {
                auto item = std::dynamic_pointer_cast<MenuItemObject>(args[0].toObject());
                if (!item)
                    throw Error::invalidCall();
                id = item->id();
            } else {
                id = itemAt(args[0].toLong()).id;
            }
            if (!m->removeItem(id))
                throw Error::invalidCall();
            return Value();
        });
        property(QStringLiteral("Count"),
                 [this](const Values &) { return Value(qint32(live()->items().size())); });
        method(QStringLiteral("Item"), [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            return Value(live()->itemObject(itemAt(args[0].toLong()).id));
        });
        enumerator([this] {
            AddInMenu *m = live();
            Values out;
            for (const auto &i : m->items())
                out << Value(m->itemObject(i.id));
            return out;
        });
    }

private:
    AddInMenu *live() const
    {
        if (!m_menu)
            throw itemGone();
        return m_menu;
    }
    AddInMenuItemInfo itemAt(qint32 oneBased) const
    {
        const auto items = live()->items();
        if (oneBased < 1 || oneBased > items.size())
            throw Error(9, QStringLiteral("Subscript out of range"));
        return items[oneBased - 1];
    }
    QPointer<AddInMenu> m_menu;
    QString m_owner;
};

} // namespace

struct AddInMenu::Item
{
    int id;
    QString caption;
    QString owner;
    QList<std::pair<qint32, ObjectPtr>> handlers;
};

void AddInMenu::setAsyncInvoker(AsyncInvoker invoker)
{
    asyncInvoker() = std::move(invoker);
}

AddInMenu::AddInMenu(QObject *parent) : QObject(parent) {}

AddInMenu::~AddInMenu() = default;

AddInMenu::Item *AddInMenu::item(int itemId)
{
    for (auto &i : m_items) {
        if (i.id == itemId)
            return &i;
    }
    return nullptr;
}

const AddInMenu::Item *AddInMenu::item(int itemId) const
{
    return const_cast<AddInMenu *>(this)->item(itemId);
}

int AddInMenu::addItem(const QString &caption, const QString &owner)
{
    m_items.append(Item{m_nextItem, caption, owner, {}});
    emit changed();
    return m_nextItem++;
}

bool AddInMenu::removeItem(int itemId)
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].id == itemId) {
            m_items.removeAt(i);
            emit changed();
            return true;
        }
    }
    return false;
}

void AddInMenu::removeItemsOf(const QString &owner)
{
    const auto n = m_items.removeIf([&](const Item &i) { return i.owner == owner; });
    if (n > 0)
        emit changed();
}

QList<AddInMenuItemInfo> AddInMenu::items() const
{
    QList<AddInMenuItemInfo> out;
    for (const auto &i : m_items)
        out << AddInMenuItemInfo{i.id, i.caption, i.owner};
    return out;
}

bool AddInMenu::hasItem(int itemId) const
{
    return item(itemId) != nullptr;
}

QString AddInMenu::caption(int itemId) const
{
    const Item *i = item(itemId);
    return i ? i->caption : QString();
}

void AddInMenu::setCaption(int itemId, const QString &caption)
{
    if (Item *i = item(itemId); i && i->caption != caption) {
        i->caption = caption;
        emit changed();
    }
}

qint32 AddInMenu::connectHandler(int itemId, const ObjectPtr &handler)
{
    Item *i = item(itemId);
    if (!i || !handler)
        throw Error::invalidCall();
    const qint32 id = m_nextConnection++;
    i->handlers.append({id, handler});
    return id;
}

bool AddInMenu::disconnectHandler(int itemId, qint32 connectionId)
{
    Item *i = item(itemId);
    if (!i)
        return false;
    return i->handlers.removeIf([&](const auto &h) { return h.first == connectionId; }) > 0;
}

int AddInMenu::handlerCount(int itemId) const
{
    const Item *i = item(itemId);
    return i ? int(i->handlers.size()) : 0;
}

void AddInMenu::choose(int itemId)
{
    const Item *i = item(itemId);
    if (!i)
        return;
    const QString owner = i->owner;
    const auto handlers = i->handlers; // a handler may disconnect while being called
    QPointer<AddInMenu> self(this);
    for (const auto &[id, handler] : handlers) {
        const auto report = [self, owner](const Error &e) {
            if (self)
                emit self->handlerError(owner, e.number(), e.description());
        };
        const auto &invoker = asyncInvoker();
        if (invoker && invoker(handler, QStringLiteral("AfterClick"), {}, report))
            continue;
        try {
            handler->Invoke(QStringLiteral("AfterClick"), {});
        } catch (const Error &e) {
            report(e);
        } catch (const std::exception &e) {
            report(Error(440, QString::fromLocal8Bit(e.what())));
        }
        if (!self)
            return;
    }
}

ObjectPtr AddInMenu::menuObject(const QString &owner)
{
    auto menu = std::make_shared<automation::DispatchObject>();
    auto items = std::make_shared<MenuItemsObject>(this, owner);
    menu->property(QStringLiteral("MenuItems"), [items](const Values &) { return Value(items); });
    return menu;
}

ObjectPtr AddInMenu::itemObject(int itemId)
{
    if (!hasItem(itemId))
        throw itemGone();
    return std::make_shared<MenuItemObject>(this, itemId);
}

} // namespace vbhost
