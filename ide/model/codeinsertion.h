#pragma once

#include <QString>
#include <QStringList>

namespace vbhost {

// Where a file's text inserted into a module goes, as the environment sorts it: the text's
// declarations (the lines before its first procedure, but for the comments right above that
// procedure) at the end of the module's declarations section, its procedures after the module's
// last one. A module without procedures takes the whole text at its end.
struct CodeInsertion
{
    int declarationsAt = -1; // code line the declarations go before; -1 when there are none
    QString declarations;    // whole lines, each ended by a line feed
    QString procedures;      // the rest of the text as it stands, appended
};

CodeInsertion planInsertion(const QStringList &moduleLines, const QString &text);

// A Sub, Function or Property procedure's first line (not a Declare statement).
bool isProcedureHeader(const QString &line);

} // namespace vbhost
