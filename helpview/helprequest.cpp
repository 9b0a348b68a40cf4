#include "helprequest.h"

namespace helpview {

namespace {

std::optional<quint32> contextNumber(const QString &text)
{
    bool ok = false;
    const quint32 n = text.toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<HelpRequest> parseArguments(const QStringList &arguments, QString *error)
{
    const QString usage = QStringLiteral("usage: helpview FILE --contents | FILE --context N");
    HelpRequest request;
    if (arguments.size() == 2 && arguments[1] == QLatin1String("--contents")) {
        request.file = arguments[0];
    } else if (arguments.size() == 3 && arguments[1] == QLatin1String("--context")) {
        const auto n = contextNumber(arguments[2]);
        if (!n) {
            *error = QStringLiteral("not a context number: ") + arguments[2];
            return std::nullopt;
        }
        request.file = arguments[0];
        request.contents = false;
        request.context = *n;
    } else {
        *error = usage;
        return std::nullopt;
    }
    if (request.file.isEmpty()) {
        *error = usage;
        return std::nullopt;
    }
    return request;
}

QByteArray encodeRequest(const HelpRequest &request)
{
    return request.contents ? QByteArrayLiteral("contents\n")
                            : "context " + QByteArray::number(request.context) + '\n';
}

std::optional<HelpRequest> decodeRequest(const QByteArray &line, const QString &file)
{
    const QByteArray text = line.trimmed();
    HelpRequest request;
    request.file = file;
    if (text == "contents")
        return request;
    if (!text.startsWith("context "))
        return std::nullopt;
    const auto n = contextNumber(QString::fromLatin1(text.mid(8)));
    if (!n)
        return std::nullopt;
    request.contents = false;
    request.context = *n;
    return request;
}

} // namespace helpview
