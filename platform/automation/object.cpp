#include "object.h"

namespace automation {

void Object::Assign(const QString &, const Values &, const Value &)
{
    throw Error::memberNotFound();
}

Values Object::Enumerate()
{
    throw Error::memberNotFound();
}

namespace {

ObjectPtr target(const Value &v)
{
    if (!v.isObject())
        throw Error::objectRequired();
    ObjectPtr o = v.toObject();
    if (!o)
        throw Error::notSet();
    return o;
}

} // namespace

Value invoke(const Value &t, const QString &member, const Values &args)
{
    return target(t)->Invoke(member, args);
}

void assign(const Value &t, const QString &member, const Values &args, const Value &value)
{
    target(t)->Assign(member, args, value);
}

Values enumerate(const Value &t)
{
    return target(t)->Enumerate();
}

void DispatchObject::method(const QString &name, Getter fn)
{
    m_members.insert(name.toLower(), Member{std::move(fn), {}});
}

void DispatchObject::property(const QString &name, Getter get, Setter set)
{
    m_members.insert(name.toLower(), Member{std::move(get), std::move(set)});
}

void DispatchObject::enumerator(std::function<Values()> fn)
{
    m_enumerate = std::move(fn);
}

Value DispatchObject::Invoke(const QString &member, const Values &args)
{
    auto it = m_members.constFind(member.toLower());
    if (it == m_members.cend() || !it->get)
        throw Error::memberNotFound();
    return it->get(args);
}

void DispatchObject::Assign(const QString &member, const Values &args, const Value &value)
{
    auto it = m_members.constFind(member.toLower());
    if (it == m_members.cend() || !it->set)
        throw Error::memberNotFound();
    it->set(args, value);
}

Values DispatchObject::Enumerate()
{
    if (!m_enumerate)
        throw Error::memberNotFound();
    return m_enumerate();
}

} // namespace automation
