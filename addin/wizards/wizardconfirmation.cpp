#include "wizardconfirmation.h"

#include <QRegularExpression>

namespace tolvar {

QString clipboardConfirmation(const QString &sentence, const QString &code)
{
    return sentence + QString(53, u' ') + QStringLiteral("\r\n\r\n") + code;
}

QString quoted(QString text)
{
    text.replace(u'"', QStringLiteral("\"\""));
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    text.replace(lineBreak, QStringLiteral("\" & vbCrLf & \""));
    return u'"' + text + u'"';
}

QString withWindowsLineEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace tolvar
