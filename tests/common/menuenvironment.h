#pragma once

// An in-process environment offering what the add-in's connect class uses: the application's
// Add-Ins menu and its item collection, whose items connect click handlers.

#include "platform/automation/object.h"

#include <QStringList>
#include <memory>

namespace tolvar::testing {

using automation::DispatchObject;
using automation::Error;
using automation::ObjectPtr;
using automation::Value;
using automation::Values;

class MenuEnvironment
{
public:
    struct Item
    {
        QString caption;
        Value object;
        QList<std::pair<qint32, ObjectPtr>> handlers;
    };

    MenuEnvironment()
    {
        m_items = std::make_shared<DispatchObject>();
        m_items->method("Add", [this](const Values &args) {
            trace(QStringLiteral("Add(%1)").arg(args.value(0).toString()));
            if (failAdd)
                throw *failAdd;
            return addItem(args.value(0).toString());
        });
        m_items->method("Remove", [this](const Values &args) {
            const ObjectPtr target = args.value(0).toObject();
            for (qsizetype i = 0; i < items.size(); ++i) {
                if (items[i].object.toObject() == target) {
                    trace(QStringLiteral("Remove(%1)").arg(i));
                    items.removeAt(i);
                    return Value();
                }
            }
            throw Error::invalidCall();
        });
        m_items->property("Count", [this](const Values &) { return Value(qint32(items.size())); });
        m_items->enumerator([this] {
            Values all;
            for (const Item &item : items)
                all.append(item.object);
            return all;
        });

        auto menu = std::make_shared<DispatchObject>();
        menu->property("MenuItems", [this](const Values &) {
            trace(QStringLiteral("MenuItems"));
            return Value(m_items);
        });
        m_app = std::make_shared<DispatchObject>();
        m_app->property("AddInMenu", [this, menu](const Values &) {
            trace(QStringLiteral("AddInMenu"));
            return Value(menu);
        });
    }

    Value application() const { return Value(m_app); }

    // The developer chooses item index: every connected handler gets AfterClick.
    void click(qsizetype index)
    {
        const auto handlers = items.at(index).handlers;
        for (const auto &[id, handler] : handlers)
            handler->Invoke(QStringLiteral("AfterClick"), {});
    }

    QList<Item> items;
    QStringList calls;
    std::optional<Error> failAdd;
    std::optional<Error> failConnectEvents;

private:
    void trace(const QString &call) { calls.append(call); }

    Value addItem(const QString &caption)
    {
        auto object = std::make_shared<DispatchObject>();
        DispatchObject *raw = object.get();
        object->property("Caption", [caption](const Values &) { return Value(caption); });
        object->method("ConnectEvents", [this, raw](const Values &args) {
            trace(QStringLiteral("ConnectEvents"));
            if (failConnectEvents)
                throw *failConnectEvents;
            Item &item = itemOf(raw);
            const qint32 id = m_nextId++;
            item.handlers.append({id, args.value(0).toObject()});
            return Value(id);
        });
        object->method("DisconnectEvents", [this, raw](const Values &args) {
            const qint32 id = args.value(0).toLong();
            trace(QStringLiteral("DisconnectEvents(%1)").arg(id));
            Item &item = itemOf(raw);
            for (qsizetype i = 0; i < item.handlers.size(); ++i) {
                if (item.handlers[i].first == id) {
                    item.handlers.removeAt(i);
                    return Value();
                }
            }
            throw Error::invalidCall();
        });
        items.append(Item{caption, Value(object), {}});
        return Value(object);
    }

    Item &itemOf(const DispatchObject *object)
    {
        for (Item &item : items) {
            if (item.object.toObject().get() == object)
                return item;
        }
        throw Error::invalidCall();
    }

    std::shared_ptr<DispatchObject> m_app;
    std::shared_ptr<DispatchObject> m_items;
    qint32 m_nextId = 1;
};

} // namespace tolvar::testing
