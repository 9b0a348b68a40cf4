#pragma once

#include <QString>

namespace tolvar {

// A find criteria of the form `field = number`, the only form the subroutine list produces.
struct FindCriteria
{
    QString field;
    qint64 number = 0;
};

// Reads "ID = 12" (blanks around the sign optional, field optionally in brackets). Anything
// else raises 3077 "Syntax error in expression.": the text is never handed to the engine.
FindCriteria parseFindCriteria(const QString &criteria);

} // namespace tolvar
