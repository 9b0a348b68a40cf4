#include "ide/files/parseerror.h"

namespace vbhost {

namespace {
QString describe(const QString &fileName, int line, const QString &message)
{
    if (line > 0)
        return QStringLiteral("%1(%2): %3").arg(fileName).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(fileName, message);
}
} // namespace

ParseError::ParseError(const QString &fileName, int line, const QString &message)
    : std::runtime_error(describe(fileName, line, message).toStdString()), m_fileName(fileName),
      m_line(line), m_message(message)
{}

QString ParseError::text() const
{
    return describe(m_fileName, m_line, m_message);
}

WriteError::WriteError(const QString &fileName, const QString &message)
    : std::runtime_error(describe(fileName, 0, message).toStdString()), m_fileName(fileName),
      m_message(message)
{}

} // namespace vbhost
