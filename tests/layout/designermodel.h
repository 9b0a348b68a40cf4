#pragma once

// An in-process form designer for the layout routines: an application whose active project's
// active form has a selection of controls with Left/Top/Width/Height properties.

#include "platform/automation/object.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <memory>

namespace tolvar::testing {

using automation::DispatchObject;
using automation::Error;
using automation::Value;
using automation::Values;

struct DesignerControl
{
    QString name;
    QMap<QString, Value> properties; // keyed by lower-case name
    QSet<QString> refused;           // lower-case names whose assignment raises 380
    QString spelling(const QString &key) const { return spellings.value(key, key); }
    QMap<QString, QString> spellings;
};

class DesignerModel
{
public:
    // Adds a control to the selection; props as name/value pairs.
    DesignerControl &add(const QString &name,
                         std::initializer_list<std::pair<QString, Value>> props)
    {
        auto c = std::make_shared<DesignerControl>();
        c->name = name;
        for (const auto &[key, value] : props) {
            c->properties.insert(key.toLower(), value);
            c->spellings.insert(key.toLower(), key);
        }
        m_controls.append(c);
        return *c;
    }

    Value value(int index, const QString &property) const
    {
        return m_controls.at(index)->properties.value(property.toLower());
    }

    // "Name.Property=value" for every accepted assignment, in order.
    const QStringList &log() const { return m_log; }

    // Count reports this many instead of the number of controls when set.
    void setReportedCount(int count) { m_reportedCount = count; }
    void setActiveFormMissing(bool missing) { m_noForm = missing; }
    // A property of the form itself, read through its Properties.
    void setFormProperty(const QString &name, const Value &value)
    {
        m_form->properties.insert(name.toLower(), value);
    }

    Value application()
    {
        auto app = std::make_shared<DispatchObject>();
        auto project = std::make_shared<DispatchObject>();
        auto form = std::make_shared<DispatchObject>();
        auto selection = std::make_shared<DispatchObject>();
        Values controls;
        for (const auto &c : m_controls)
            controls.append(control(c));
        selection->property("Count", [this](const Values &) {
            return Value(qint32(m_reportedCount >= 0 ? m_reportedCount : m_controls.size()));
        });
        selection->enumerator([controls] { return controls; });
        form->property("SelectedControlTemplates",
                       [selection](const Values &) { return Value(selection); });
        form->property("Properties", [this](const Values &args) {
            if (args.size() != 1)
                throw Error::wrongArguments();
            return property(m_form, args.at(0).toString());
        });
        project->property("ActiveForm", [this, form](const Values &) {
            if (m_noForm)
                return Value::nothing();
            return Value(form);
        });
        app->property("ActiveProject", [project](const Values &) { return Value(project); });
        return Value(app);
    }

private:
    Value property(const std::shared_ptr<DesignerControl> &c, const QString &name)
    {
        const QString key = name.toLower();
        if (!c->properties.contains(key))
            throw Error::propertyNotFound();
        auto p = std::make_shared<DispatchObject>();
        p->property("Name", [c, key](const Values &) { return Value(c->spelling(key)); });
        p->property(
            "Value", [c, key](const Values &) { return c->properties.value(key); },
            [this, c, key](const Values &, const Value &v) { set(c, key, v); });
        return Value(p);
    }

    void set(const std::shared_ptr<DesignerControl> &c, const QString &key, const Value &v)
    {
        if (!c->properties.contains(key))
            throw Error::propertyNotFound();
        if (c->refused.contains(key))
            throw Error::invalidPropertyValue();
        c->properties[key] = v;
        m_log.append(c->name + u'.' + c->spelling(key) + u'=' + v.toString());
    }

    Value control(const std::shared_ptr<DesignerControl> &c)
    {
        auto ctl = std::make_shared<DispatchObject>();
        auto properties = std::make_shared<DispatchObject>();
        properties->property(
            "Item",
            [this, c](const Values &args) {
                if (args.size() != 1)
                    throw Error::wrongArguments();
                return property(c, args.at(0).toString());
            },
            [this, c](const Values &args, const Value &v) {
                if (args.size() != 1)
                    throw Error::wrongArguments();
                set(c, args.at(0).toString().toLower(), v);
            });
        properties->property("Count",
                             [c](const Values &) { return Value(qint32(c->properties.size())); });
        ctl->property("Properties", [this, c, properties](const Values &args) {
            if (args.isEmpty())
                return Value(properties);
            return property(c, args.at(0).toString());
        });
        ctl->property("Name", [c](const Values &) { return Value(c->name); });
        return Value(ctl);
    }

    QList<std::shared_ptr<DesignerControl>> m_controls;
    std::shared_ptr<DesignerControl> m_form = std::make_shared<DesignerControl>();
    QStringList m_log;
    int m_reportedCount = -1;
    bool m_noForm = false;
};

} // namespace tolvar::testing
