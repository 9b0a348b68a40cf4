#pragma once

#include <QString>

namespace tolvar {

// The application title the wizards' confirmations carry.
inline const QString ApplicationTitle = QStringLiteral("Tolvar");

// The box that says where the code went: the sentence padded with 53 blanks, an empty line, then
// the code.
QString clipboardConfirmation(const QString &sentence, const QString &code);

// A quoted Basic text, copied as typed: quotes inside are not doubled.
QString quoted(const QString &text);

// A multi-line text box's text with Windows line ends, as the code is written with them.
QString withWindowsLineEnds(QString text);

} // namespace tolvar
