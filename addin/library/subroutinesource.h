#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace tolvar {

// One subroutine of the library source. A null line is stored without a value, which reads as
// an empty line when copied; the first empty field after the last line ends the subroutine.
struct SubroutineEntry
{
    qint64 id = 0;
    QString description;
    QStringList lines; // a null QString for a blank line inside the body
};

class SubroutineSourceError : public std::runtime_error
{
public:
    SubroutineSourceError(int line, const QString &message)
        : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString())
    {}
};

// The library source: lines starting with '#' before the first entry are comments; each entry
// starts with a header line "@@ ID Description" and its body is every following line up to the
// next header, kept exactly (trailing blank lines dropped, blank lines inside kept as null
// lines). At most 20 lines, unique positive IDs, a description and at least one line each.
QList<SubroutineEntry> parseSubroutineSource(const QString &text);

inline constexpr int MaxSubroutineLines = 20;

} // namespace tolvar
