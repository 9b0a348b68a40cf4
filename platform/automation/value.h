#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <variant>

namespace automation {

class Object;
using ObjectPtr = std::shared_ptr<Object>;

struct EmptyTag
{
    bool operator==(const EmptyTag &) const = default;
};
struct NullTag
{
    bool operator==(const NullTag &) const = default;
};

// The VARIANT: Empty, Null, Boolean, Integer (16-bit), Long (32-bit), Double, String, Object.
// Conversions follow Basic: halves round to even, out of range raises 6 "Overflow",
// Empty reads as 0 or "".
class Value
{
public:
    enum class Type { Empty, Null, Boolean, Integer, Long, Double, String, Object };

    Value() = default;
    Value(bool b) : m_data(b) {}
    Value(qint16 i) : m_data(i) {}
    Value(qint32 l) : m_data(l) {}
    Value(double d) : m_data(d) {}
    Value(const QString &s) : m_data(s) {}
    Value(const char *s) : m_data(QString::fromUtf8(s)) {}
    Value(ObjectPtr o) : m_data(std::move(o)) {}
    template <class T>
    requires std::is_base_of_v<Object, T> Value(std::shared_ptr<T> o)
        : m_data(ObjectPtr(std::move(o)))
    {}

    static Value null() { return Value(NullTag{}); }
    static Value nothing() { return Value(ObjectPtr()); }

    Type type() const { return static_cast<Type>(m_data.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isObject() const { return type() == Type::Object; }
    bool isNumeric() const;

    bool toBool() const;
    qint16 toInteger() const;
    qint32 toLong() const;
    double toDouble() const;
    QString toString() const;
    // Nothing gives a null pointer; a non-object raises 13 "Type mismatch".
    ObjectPtr toObject() const;

    // Same type and same content; objects compare by identity.
    bool operator==(const Value &other) const = default;

    // For test failure messages and logs.
    QString debugText() const;

private:
    explicit Value(NullTag n) : m_data(n) {}
    std::variant<EmptyTag, NullTag, bool, qint16, qint32, double, QString, ObjectPtr> m_data;
};

using Values = QList<Value>;

} // namespace automation
