#include "subroutinesource.h"

#include <QRegularExpression>
#include <QSet>

namespace tolvar {

namespace {

void finish(SubroutineEntry &entry, int headerLine, QList<SubroutineEntry> &entries)
{
    while (!entry.lines.isEmpty() && entry.lines.last().isNull())
        entry.lines.removeLast();
    if (entry.lines.isEmpty())
        throw SubroutineSourceError(headerLine,
                                    QStringLiteral("subroutine %1 has no lines").arg(entry.id));
    if (entry.lines.size() > MaxSubroutineLines)
        throw SubroutineSourceError(headerLine,
                                    QStringLiteral("subroutine %1 has %2 lines, at most %3 fit")
                                        .arg(entry.id)
                                        .arg(entry.lines.size())
                                        .arg(MaxSubroutineLines));
    entries.append(entry);
}

} // namespace

QList<SubroutineEntry> parseSubroutineSource(const QString &text)
{
    static const QRegularExpression header(QStringLiteral(R"(^@@\s+(\d{1,9})\s+(\S.*?)\s*$)"));
    QList<SubroutineEntry> entries;
    QSet<qint64> ids;
    SubroutineEntry current;
    int currentHeader = 0;
    bool inEntry = false;

    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString &line = lines.at(i);
        if (line.contains(QLatin1Char('\r')))
            throw SubroutineSourceError(lineNumber, QStringLiteral("stray carriage return"));
        if (line.startsWith(QLatin1String("@@"))) {
            const QRegularExpressionMatch match = header.match(line);
            if (!match.hasMatch())
                throw SubroutineSourceError(lineNumber,
                                            QStringLiteral("header needs an ID and a description"));
            if (inEntry)
                finish(current, currentHeader, entries);
            current = SubroutineEntry();
            current.id = match.captured(1).toLongLong();
            current.description = match.captured(2);
            if (current.id <= 0 || ids.contains(current.id))
                throw SubroutineSourceError(
                    lineNumber, QStringLiteral("ID %1 is zero or used twice").arg(current.id));
            ids.insert(current.id);
            currentHeader = lineNumber;
            inEntry = true;
            continue;
        }
        if (!inEntry) {
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            throw SubroutineSourceError(lineNumber, QStringLiteral("text before the first entry"));
        }
        // A blank line inside a body has no value in the table, so it does not end the copy.
        current.lines.append(line.trimmed().isEmpty() ? QString() : line);
    }
    if (inEntry)
        finish(current, currentHeader, entries);
    return entries;
}

} // namespace tolvar
