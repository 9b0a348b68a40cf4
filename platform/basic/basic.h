#pragma once

#include <QString>
#include <cmath>

namespace basic {

// Whole-number rounding: halves go to the even neighbour.
double roundHalfEven(double d);

// CInt / CLng: round halves to even; out of range raises error 6 "Overflow".
qint16 toInteger(double d);
qint32 toLong(double d);

// The type Basic gives a computed number: a Long when it is whole and fits in one, else a
// Double. V is the variant that holds either (automation::Value).
template <class V> V longOrDouble(double d)
{
    if (d == std::floor(d) && d >= -2147483648.0 && d <= 2147483647.0)
        return V(static_cast<qint32>(d));
    return V(d);
}

// Val: the longest leading number of a text. Blanks, tabs and line feeds are skipped anywhere,
// '.' is the decimal point, an exponent (E or D) is accepted, &H and &O give hexadecimal and
// octal, and a text without a leading number gives 0.
double Val(const QString &text);

// Number-to-text: no leading blank, whole numbers without a decimal point, others with up to
// 15 significant digits and the decimal separator of the regional settings.
QString numberToText(double d);
QString numberToText(qint64 n);

} // namespace basic
