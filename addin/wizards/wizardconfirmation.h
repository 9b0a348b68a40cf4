#pragma once

#include <QString>

namespace tolvar {

// The application title the wizards' confirmations carry.
inline const QString ApplicationTitle = QStringLiteral("Tolvar");

// The box that says where the code went: the sentence padded with 53 blanks, an empty line, then
// the code.
QString clipboardConfirmation(const QString &sentence, const QString &code);

// A Basic string literal of a typed text that compiles: quotes inside are doubled and each line
// break (CR LF, CR or LF) is joined in as vbCrLf.
QString quoted(QString text);

// A multi-line text box's text with Windows line ends, as the code is written with them.
QString withWindowsLineEnds(QString text);

} // namespace tolvar
