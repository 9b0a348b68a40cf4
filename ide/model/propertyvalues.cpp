// Checking a property's value, and its text form in the form file.
#include "ide/model/propertytable.h"

#include "ide/files/propertyvalue.h"
#include "platform/automation/error.h"
#include "platform/basic/basic.h"

#include <algorithm>
#include <cmath>

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

Error refused()
{
    return Error::invalidPropertyValue();
}

double numberOf(const Value &v)
{
    switch (v.type()) {
    case Value::Type::Object:
    case Value::Type::Null:
        throw refused();
    default:
        break;
    }
    try {
        const double d = v.toDouble();
        if (!std::isfinite(d))
            throw refused();
        return d;
    } catch (const Error &) {
        throw refused();
    }
}

} // namespace

Value PropertyTable::validate(const PropertyRule &rule, const Value &value,
                              const CodePage &codePage)
{
    switch (rule.type) {
    case PropertyType::Boolean:
        if (value.type() == Value::Type::Object || value.isNull())
            throw refused();
        try {
            return Value(value.toBool());
        } catch (const Error &) {
            throw refused();
        }
    case PropertyType::Integer:
    case PropertyType::Long:
    case PropertyType::Index: {
        const double r = basic::roundHalfEven(numberOf(value));
        if (r < rule.min || r > rule.max)
            throw refused();
        return Value(static_cast<qint32>(r));
    }
    case PropertyType::Twips: {
        const double d = numberOf(value);
        if (d < -2147483648.0 || d > 2147483647.0 || (rule.positive && d < 0))
            throw refused();
        return basic::longOrDouble<Value>(d);
    }
    case PropertyType::String:
    case PropertyType::Name: {
        if (value.type() == Value::Type::Object || value.isNull())
            throw refused();
        const QString s = value.toString();
        // A line break would split the property line; characters without a byte in the
        // file's code page would be lost.
        if (s.contains(u'\r') || s.contains(u'\n') || s.contains(QChar(0)) ||
            !codePage.canEncode(s))
            throw refused();
        if (rule.max > 0 && s.size() > rule.max)
            throw refused();
        if (rule.type == PropertyType::Name && !isValidIdentifier(s))
            throw refused();
        return Value(s);
    }
    case PropertyType::Colour: {
        double d = basic::roundHalfEven(numberOf(value));
        if (d >= 2147483648.0 && d <= 4294967295.0)
            d -= 4294967296.0;
        const bool rgb = d >= 0 && d <= 0xFFFFFF;
        const bool system = d >= -2147483648.0 && d <= -2147483648.0 + 0x18;
        if (!rgb && !system)
            throw refused();
        return Value(static_cast<qint32>(d));
    }
    case PropertyType::Shortcut: {
        if (value.type() == Value::Type::String) {
            if (auto code = shortcutFromText(value.toString().trimmed()))
                return Value(static_cast<qint32>(*code));
        }
        const double r = basic::roundHalfEven(numberOf(value));
        if (r < 0 || r > 79)
            throw refused();
        return Value(static_cast<qint32>(r));
    }
    case PropertyType::Raw:
        throw Error(383, QStringLiteral("Property is read-only"));
    }
    throw refused();
}

QString PropertyTable::toFileText(const PropertyRule &rule, const Value &value)
{
    switch (rule.type) {
    case PropertyType::Boolean:
        return value.toBool() ? QStringLiteral("-1  'True") : QStringLiteral("0   'False");
    case PropertyType::Integer:
    case PropertyType::Long:
    case PropertyType::Index:
    case PropertyType::Twips:
        return formatNumber(value.toDouble());
    case PropertyType::String:
    case PropertyType::Name:
        return quoteString(value.toString());
    case PropertyType::Colour:
        return formatColour(static_cast<quint32>(value.toLong()));
    case PropertyType::Shortcut:
        return shortcutToText(value.toLong()).value_or(QString());
    case PropertyType::Raw:
        return value.toString();
    }
    return value.toString();
}

Value PropertyTable::fromFileText(const PropertyRule *rule, const QString &valueText,
                                  const QString &comment)
{
    const PropertyValue pv = parsePropertyValue(valueText);
    if (rule) {
        switch (rule->type) {
        case PropertyType::Boolean:
            if (auto b = parseBoolean(valueText))
                return Value(*b);
            break;
        case PropertyType::Shortcut:
            if (auto code = shortcutFromText(valueText.trimmed()))
                return Value(static_cast<qint32>(*code));
            break;
        case PropertyType::String:
        case PropertyType::Name:
            if (pv.kind == PropertyValue::Kind::String)
                return Value(pv.text);
            return Value(valueText.trimmed());
        case PropertyType::Raw:
            return Value(valueText.trimmed());
        default:
            break;
        }
    }
    switch (pv.kind) {
    case PropertyValue::Kind::Number: {
        const QString c = comment.trimmed();
        if ((pv.number == -1 || pv.number == 0) && (c.compare(u"True", Qt::CaseInsensitive) == 0 ||
                                                    c.compare(u"False", Qt::CaseInsensitive) == 0))
            return Value(pv.number != 0);
        return basic::longOrDouble<Value>(pv.number);
    }
    case PropertyValue::Kind::Colour:
        return Value(static_cast<qint32>(pv.colour));
    case PropertyValue::Kind::String:
        return Value(pv.text);
    default:
        return Value(valueText.trimmed());
    }
}

} // namespace vbhost
