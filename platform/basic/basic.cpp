#include "basic.h"

#include "error.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace basic {

double roundHalfEven(double d)
{
    if (!std::isfinite(d))
        return d;
    return std::nearbyint(d); // the default rounding mode is to nearest, ties to even
}

qint16 toInteger(double d)
{
    const double r = roundHalfEven(d);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw Error::overflow();
    return static_cast<qint16>(r);
}

qint32 toLong(double d)
{
    const double r = roundHalfEven(d);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw Error::overflow();
    return static_cast<qint32>(r);
}

namespace {

bool skipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Radix literals: 16-bit when the digits fit in 16 bits, else 32-bit, both two's complement.
double radixValue(const QString &digits, int radix)
{
    quint64 v = 0;
    for (QChar c : digits) {
        v = v * radix + static_cast<quint64>(c.digitValue() >= 0
                                                 ? c.digitValue()
                                                 : c.toUpper().unicode() - 'A' + 10);
        if (v > 0xFFFFFFFFull)
            throw Error::overflow();
    }
    if (v <= 0xFFFF)
        return static_cast<double>(static_cast<qint16>(static_cast<quint16>(v)));
    return static_cast<double>(static_cast<qint32>(static_cast<quint32>(v)));
}

} // namespace

double Val(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!skipped(c))
            s.append(c);

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        int radix = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (radix) {
            QString digits;
            for (qsizetype i = 2; i < s.size(); ++i) {
                const QChar c = s[i];
                const bool ok = radix == 16 ? std::isxdigit(c.toLatin1()) && c.unicode() < 128
                                            : c >= u'0' && c <= u'7';
                if (!ok)
                    break;
                digits.append(c);
            }
            return digits.isEmpty() ? 0.0 : radixValue(digits, radix);
        }
    }

    // sign? digits* [. digits*] [(E|D) sign? digits+]
    qsizetype i = 0;
    QString num;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        num.append(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        num.append(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == u'.') {
        num.append(s[i++]);
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            num.append(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < s.size() && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exp.append(s[j++]);
        bool expDigit = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            exp.append(s[j++]);
            expDigit = true;
        }
        if (expDigit)
            num.append(exp);
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(num, &ok);
    if (!ok || !std::isfinite(d))
        throw Error::overflow();
    return d;
}

QString numberToText(double d)
{
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return numberToText(static_cast<qint64>(d));
    QString s = QString::asprintf("%.15G", d);
    if (s.contains(u'E')) {
        // Exponents are written with at least two digits: 1E-05, 1.5E+20.
        const qsizetype e = s.indexOf(u'E');
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        const QChar sign = exp[0];
        exp = exp.mid(1);
        while (exp.size() > 2 && exp.startsWith(u'0'))
            exp.remove(0, 1);
        s = mant + u'E' + sign + exp;
    }
    const QString sep = QLocale::system().decimalPoint();
    if (sep != QStringLiteral("."))
        s.replace(u'.', sep);
    return s;
}

QString numberToText(qint64 n)
{
    return QString::number(n);
}

} // namespace basic
