#include "value.h"

#include "error.h"
#include "platform/basic/basic.h"

#include <QLocale>
#include <cmath>

namespace automation {

namespace {

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};

// Text to number the way Basic's implicit conversion does: the whole text must be a number.
double textToDouble(const QString &s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        throw Error::typeMismatch();
    if (t.startsWith(u'&'))
        return basic::Val(t);
    bool ok = false;
    double d = QLocale::system().toDouble(t, &ok);
    if (!ok)
        d = QLocale::c().toDouble(t, &ok);
    if (!ok)
        throw Error::typeMismatch();
    return d;
}

} // namespace

bool Value::isNumeric() const
{
    switch (type()) {
    case Type::Empty:
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Double:
        return true;
    case Type::String:
        try {
            textToDouble(std::get<QString>(m_data));
            return true;
        } catch (const Error &) {
            return false;
        }
    default:
        return false;
    }
}

double Value::toDouble() const
{
    return std::visit(Overloaded{
                          [](EmptyTag) { return 0.0; },
                          [](NullTag) -> double {
                              throw Error{94, "Invalid use of Null"};
                          },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](qint16 i) { return double(i); },
                          [](qint32 l) { return double(l); },
                          [](double d) { return d; },
                          [](const QString &s) { return textToDouble(s); },
                          [](const ObjectPtr &) -> double { throw Error::typeMismatch(); },
                      },
                      m_data);
}

qint16 Value::toInteger() const
{
    return basic::toInteger(toDouble());
}

qint32 Value::toLong() const
{
    return basic::toLong(toDouble());
}

bool Value::toBool() const
{
    if (type() == Type::String) {
        const QString t = std::get<QString>(m_data).trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"False", Qt::CaseInsensitive) == 0)
            return false;
    }
    return toDouble() != 0.0;
}

QString Value::toString() const
{
    return std::visit(
        Overloaded{
            [](EmptyTag) { return QString(); },
            [](NullTag) -> QString {
                throw Error{94, "Invalid use of Null"};
            },
            [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
            [](qint16 i) { return QString::number(i); },
            [](qint32 l) { return QString::number(l); },
            [](double d) { return basic::numberToText(d); },
            [](const QString &s) { return s; },
            [](const ObjectPtr &) -> QString { throw Error::typeMismatch(); },
        },
        m_data);
}

ObjectPtr Value::toObject() const
{
    if (type() != Type::Object)
        throw Error::objectRequired();
    return std::get<ObjectPtr>(m_data);
}

QString Value::debugText() const
{
    switch (type()) {
    case Type::Empty:
        return QStringLiteral("Empty");
    case Type::Null:
        return QStringLiteral("Null");
    case Type::Object:
        return std::get<ObjectPtr>(m_data) ? QStringLiteral("Object") : QStringLiteral("Nothing");
    case Type::String:
        return u'"' + std::get<QString>(m_data) + u'"';
    default:
        return toString();
    }
}

} // namespace automation
