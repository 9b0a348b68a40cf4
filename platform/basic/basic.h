#pragma once

#include <QString>

namespace basic {

// Whole-number rounding: halves go to the even neighbour.
double roundHalfEven(double d);

// CInt / CLng: round halves to even; out of range raises automation error 6 "Overflow".
qint16 toInteger(double d);
qint32 toLong(double d);

// Val: the longest leading number of a text. Blanks, tabs and line feeds are skipped anywhere,
// '.' is the decimal point, an exponent (E or D) is accepted, &H and &O give hexadecimal and
// octal, and a text without a leading number gives 0.
double Val(const QString &text);

// Number-to-text: no leading blank, whole numbers without a decimal point, others with up to
// 15 significant digits and the decimal separator of the regional settings.
QString numberToText(double d);
QString numberToText(qint64 n);

} // namespace basic
