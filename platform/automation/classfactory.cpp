#include "classfactory.h"

#include "wire.h"

namespace automation {

Error cannotCreateObject()
{
    return {429, QStringLiteral("Automation server can't create object")};
}

void ClassFactory::registerClass(const QString &progId, Creator create)
{
    const QString key = progId.toLower();
    if (!m_classes.contains(key))
        m_order.append(progId);
    m_classes.insert(key, std::move(create));
}

ObjectPtr ClassFactory::createObject(const QString &progId) const
{
    const Creator create = m_classes.value(progId.toLower());
    if (!create)
        throw cannotCreateObject();
    ObjectPtr object = create();
    if (!object)
        throw cannotCreateObject();
    return object;
}

Value ClassFactory::Invoke(const QString &member, const Values &args)
{
    if (member.compare(QLatin1String(wire::CreateObjectMember), Qt::CaseInsensitive) != 0)
        throw Error::memberNotFound();
    if (args.size() != 1)
        throw Error::wrongArguments();
    return Value(createObject(args.at(0).toString()));
}

} // namespace automation
