#pragma once

#include "object.h"

#include <QStringList>
#include <functional>

namespace automation {

// What a server exports at /ClassFactory: Invoke("CreateObject", [ProgID]) makes a new object
// of a registered class. ProgIDs match without regard to case.
class ClassFactory : public Object
{
public:
    using Creator = std::function<ObjectPtr()>;

    void registerClass(const QString &progId, Creator create);
    QStringList progIds() const { return m_order; }
    // Throws 429 for a class that is not registered here.
    ObjectPtr createObject(const QString &progId) const;

    Value Invoke(const QString &member, const Values &args) override;

private:
    QHash<QString, Creator> m_classes; // keyed by lower-case ProgID
    QStringList m_order;
};

// 429, the failure to create an object of a class.
Error cannotCreateObject();

} // namespace automation
