#include "propertytext.h"

#include "ide/files/propertyvalue.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace vbhost {

using automation::Value;

static bool isColour(const QString &name)
{
    return name.endsWith(QLatin1String("Color"), Qt::CaseInsensitive);
}

QString propertyDisplayText(const QString &name, const Value &value)
{
    if (isColour(name) && value.isNumeric() && value.type() != Value::Type::Boolean)
        return formatColour(quint32(qint64(value.toDouble())));
    switch (value.type()) {
    case Value::Type::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Value::Type::Double:
        return QLocale::c().toString(value.toDouble(), 'g', 15);
    case Value::Type::Empty:
    case Value::Type::Null:
    case Value::Type::Object:
        return {};
    default:
        return value.toString();
    }
}

static bool parseDouble(const QString &text, double *out)
{
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(d))
        *out = d;
    return ok && std::isfinite(d);
}

Value propertyValueFromText(const QString &name, const QString &text, const Value &current)
{
    const QString t = text.trimmed();
    double d = 0;
    if (isColour(name) && t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        if (const auto colour = parseColour(t))
            return qint32(*colour);
        return text;
    }
    switch (current.type()) {
    case Value::Type::Boolean:
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("-1"))
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0"))
            return false;
        return text;
    case Value::Type::Integer:
    case Value::Type::Long:
        if (parseDouble(t, &d) && d == std::floor(d) && d >= std::numeric_limits<qint32>::min() &&
            d <= std::numeric_limits<qint32>::max())
            return qint32(d);
        if (parseDouble(t, &d))
            return d;
        return text;
    case Value::Type::Double:
        if (parseDouble(t, &d))
            return d;
        return text;
    default:
        return text;
    }
}

} // namespace vbhost
