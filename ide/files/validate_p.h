#pragma once

#include <QString>
#include <stdexcept>

namespace vbhost {

// A value that would split its line, or a name the reader could not read back, would corrupt
// the file; such edits are refused before anything changes.
inline void requireOneLine(const QString &text, const char *what)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        throw std::invalid_argument(std::string(what) + " cannot hold a line break");
}

inline void requireWord(const QString &text, const char *what)
{
    if (text.isEmpty())
        throw std::invalid_argument(std::string(what) + " cannot be empty");
    for (QChar c : text) {
        if (c.isSpace() || c == QLatin1Char('"') || c == QLatin1Char('=') ||
            c == QLatin1Char('\'') || c == QLatin1Char(';'))
            throw std::invalid_argument(std::string(what) + " cannot hold '" +
                                        QString(c).toStdString() + "'");
    }
}

} // namespace vbhost
