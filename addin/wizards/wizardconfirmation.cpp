#include "wizardconfirmation.h"

namespace tolvar {

QString clipboardConfirmation(const QString &sentence, const QString &code)
{
    return sentence + QString(53, u' ') + QStringLiteral("\r\n\r\n") + code;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString withWindowsLineEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace tolvar
