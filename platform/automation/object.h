#pragma once

#include "error.h"
#include "value.h"

#include <QHash>
#include <functional>
#include <memory>

namespace automation {

// IDispatch: late-bound by member name, names matched without regard to case.
class Object : public std::enable_shared_from_this<Object>
{
public:
    virtual ~Object() = default;

    // Property get or method call.
    virtual Value Invoke(const QString &member, const Values &args) = 0;
    // Property let or set. Default: 438.
    virtual void Assign(const QString &member, const Values &args, const Value &value);
    // For Each. Default: 438.
    virtual Values Enumerate();
};

// Calls on a Value the way Basic does: a call on Nothing raises 91, on a non-object 424.
Value invoke(const Value &target, const QString &member, const Values &args = {});
void assign(const Value &target, const QString &member, const Values &args, const Value &value);
Values enumerate(const Value &target);

// A local object whose members are lambdas; used for small objects and in tests.
class DispatchObject : public Object
{
public:
    using Getter = std::function<Value(const Values &args)>;
    using Setter = std::function<void(const Values &args, const Value &value)>;

    void method(const QString &name, Getter fn);
    void property(const QString &name, Getter get, Setter set = {});
    void enumerator(std::function<Values()> fn);

    Value Invoke(const QString &member, const Values &args) override;
    void Assign(const QString &member, const Values &args, const Value &value) override;
    Values Enumerate() override;

private:
    struct Member
    {
        Getter get;
        Setter set;
    };
    QHash<QString, Member> m_members; // keyed by lower-case name
    std::function<Values()> m_enumerate;
};

} // namespace automation
