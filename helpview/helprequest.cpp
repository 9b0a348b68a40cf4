#include "helprequest.h"

#include <limits>

namespace helpview {

namespace {

// Callers pass what their users typed as a context: any 32-bit number, shown as signed or not.
std::optional<qint64> contextNumber(const QString &text)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max())
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
