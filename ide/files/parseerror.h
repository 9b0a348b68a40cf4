#pragma once

#include <QString>
#include <stdexcept>

namespace vbhost {

// A project file that cannot be read: names the file and, where known, the 1-based line.
// Nothing is written when a read fails.
class ParseError : public std::runtime_error
{
public:
    ParseError(const QString &fileName, int line, const QString &message);

    QString fileName() const { return m_fileName; }
    int line() const { return m_line; } // 0 when the fault is not tied to a line
    QString message() const { return m_message; }
    // "FILE(LINE): MESSAGE", or "FILE: MESSAGE" without a line.
    QString text() const;

private:
    QString m_fileName;
    int m_line;
    QString m_message;
};

// A file that could not be written; the old file is left as it was.
class WriteError : public std::runtime_error
{
public:
    WriteError(const QString &fileName, const QString &message);

    QString fileName() const { return m_fileName; }
    QString message() const { return m_message; }

private:
    QString m_fileName;
    QString m_message;
};

} // namespace vbhost
