#include "ide/files/propertyvalue.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace vbhost {

namespace {

const QRegularExpression &frxPattern()
{
    static const QRegularExpression re(QStringLiteral("^(\\$?)\"([^\"]*)\":([0-9A-Fa-f]+)$"));
    return re;
}

const QStringList &shortcutTexts()
{
    static const QStringList texts = [] {
        QStringList t;
        for (char c = 'A'; c <= 'Z'; ++c)
            t << QStringLiteral("^") + QChar(c);
        for (const char *prefix : {"", "^", "+", "+^"}) {
            for (int f = 1; f <= 12; ++f)
                t << QStringLiteral("%1{F%2}").arg(QLatin1String(prefix)).arg(f);
        }
        t << QStringLiteral("^{INSERT}") << QStringLiteral("+{INSERT}") << QStringLiteral("{DEL}")
          << QStringLiteral("+{DEL}") << QStringLiteral("%{BKSP}");
        return t;
    }();
    return texts;
}

} // namespace

PropertyValue parsePropertyValue(const QString &valueText)
{
    PropertyValue v;
    const QString t = valueText.trimmed();
    v.text = t;
    if (t.isEmpty())
        return v;
    const auto frx = frxPattern().match(t);
    if (frx.hasMatch()) {
        v.kind = PropertyValue::Kind::FrxRef;
        v.frxDollar = !frx.captured(1).isEmpty();
        v.frxFile = frx.captured(2);
        v.frxOffset = frx.captured(3).toUInt(nullptr, 16);
        return v;
    }
    if (t.startsWith(QLatin1Char('"'))) {
        if (auto s = unquoteString(t)) {
            v.kind = PropertyValue::Kind::String;
            v.text = *s;
        } else {
            v.kind = PropertyValue::Kind::Other;
        }
        return v;
    }
    if (auto c = parseColour(t)) {
        v.kind = PropertyValue::Kind::Colour;
        v.colour = *c;
        return v;
    }
    if (auto n = parseNumber(t)) {
        v.kind = PropertyValue::Kind::Number;
        v.number = *n;
        return v;
    }
    v.kind = PropertyValue::Kind::Other;
    return v;
}

void splitValueAndComment(const QString &afterEquals, QString *value, QString *comment)
{
    bool inQuotes = false;
    qsizetype cut = -1;
    for (qsizetype i = 0; i < afterEquals.size(); ++i) {
        const QChar c = afterEquals[i];
        if (c == QLatin1Char('"'))
            inQuotes = !inQuotes;
        else if (c == QLatin1Char('\'') && !inQuotes) {
            cut = i;
            break;
        }
    }
    if (cut < 0) {
        *value = afterEquals.trimmed();
        comment->clear();
    } else {
        *value = afterEquals.left(cut).trimmed();
        *comment = afterEquals.mid(cut + 1);
    }
}

QString quoteString(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

std::optional<QString> unquoteString(const QString &valueText)
{
    const QString t = valueText.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('"')) || !t.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString out;
    out.reserve(t.size() - 2);
    for (qsizetype i = 1; i < t.size() - 1; ++i) {
        if (t[i] == QLatin1Char('"')) {
            if (i + 1 < t.size() - 1 && t[i + 1] == QLatin1Char('"')) {
                out.append(QLatin1Char('"'));
                ++i;
            } else {
                return std::nullopt;
            }
        } else {
            out.append(t[i]);
        }
    }
    return out;
}

std::optional<double> parseNumber(const QString &valueText)
{
    static const QRegularExpression re(
        QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?[!#@%&]?$"));
    QString t = valueText.trimmed();
    if (!re.match(t).hasMatch())
        return std::nullopt;
    if (!t.isEmpty() && QStringLiteral("!#@%&").contains(t.back()))
        t.chop(1);
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

QString formatNumber(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toUpper();
}

std::optional<bool> parseBoolean(const QString &valueText)
{
    const QString t = valueText.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (auto n = parseNumber(t))
        return *n != 0;
    return std::nullopt;
}

QString formatBoolean(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

std::optional<quint32> parseColour(const QString &valueText)
{
    static const QRegularExpression re(QStringLiteral("^&[Hh]([0-9A-Fa-f]{1,8})&?$"));
    const auto m = re.match(valueText.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toUInt(nullptr, 16);
}

QString formatColour(quint32 value)
{
    return QStringLiteral("&H%1&").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<int> shortcutFromText(const QString &fileText)
{
    const QString t = fileText.trimmed();
    if (t.isEmpty())
        return 0;
    const QStringList &texts = shortcutTexts();
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].compare(t, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return std::nullopt;
}

std::optional<QString> shortcutToText(int code)
{
    if (code == 0)
        return QString();
    const QStringList &texts = shortcutTexts();
    if (code < 1 || code > texts.size())
        return std::nullopt;
    return texts[code - 1];
}

} // namespace vbhost
