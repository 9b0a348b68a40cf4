#include "wire.h"

namespace automation::wire {

QString errorText(const Error &error)
{
    return QString::number(error.number()) + u'\n' + error.description();
}

Error errorFromText(const QString &text)
{
    const qsizetype lineEnd = text.indexOf(u'\n');
    bool ok = false;
    const qint32 number = text.left(lineEnd < 0 ? text.size() : lineEnd).trimmed().toInt(&ok);
    if (!ok)
        return Error(440, text.isEmpty() ? QStringLiteral("Automation error") : text);
    return Error(number, lineEnd < 0 ? QString() : text.mid(lineEnd + 1));
}

bool isValidObjectPath(const QString &path)
{
    if (path == u"/")
        return true;
    if (!path.startsWith(u'/') || path.endsWith(u'/'))
        return false;
    bool previousSlash = true;
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == u'/') {
            if (previousSlash)
                return false;
            previousSlash = true;
            continue;
        }
        previousSlash = false;
        const bool ok = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                        (c >= u'0' && c <= u'9') || c == u'_';
        if (!ok)
            return false;
    }
    return true;
}

QString escapeAddressValue(const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    QString out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '/' || c == '.' ||
                           c == '\\' || c == '*';
        if (plain)
            out += QLatin1Char(ch);
        else
            out += u'%' + QString::number(c, 16).rightJustified(2, u'0');
    }
    return out;
}

} // namespace automation::wire
