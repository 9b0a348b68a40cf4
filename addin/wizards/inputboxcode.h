#pragma once

#include <QString>

namespace tolvar {

// The input box wizard's text boxes, as typed.
struct InputBoxFields
{
    QString message;     // Text2
    QString title;       // Text1
    QString defaultText; // Text5
    QString x;           // Text6
    QString y;           // Text7
    QString helpFile;    // Text3
    QString context;     // Text4
};

inline const QString InputBoxConfirmationSentence =
    QStringLiteral("Your Inputbox Subroutine Is On The Clipboard!");

// Val of a position box; a number no double holds raises an overflow that names the boxes.
double positionValue(const QString &text);

// "Dim xinput", CR LF, then the inputbox call: five arguments, or seven with a help file, whose
// context is written as typed.
QString inputBoxCode(const InputBoxFields &fields);

} // namespace tolvar
