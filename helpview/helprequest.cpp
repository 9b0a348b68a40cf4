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

const QString ContentsOption = QStringLiteral("contents");
const QString ContextOption = QStringLiteral("context");

void setUp(QCommandLineParser &parser)
{
    commandline::setUp(parser,
                       QStringLiteral("Shows a help file in the user's one viewer for it."));
    parser.addOption({ContentsOption, QStringLiteral("Show the file's contents topic.")});
    parser.addOption({ContextOption, QStringLiteral("Show the topic of context number N."),
                      QStringLiteral("N")});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The help file, such as tolvar.hlp."));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUp(parser);
    CommandLine result;
    static_cast<commandline::Standard &>(result) = commandline::parse(parser, arguments);
    if (!result.error.isEmpty() || result.help || result.version)
        return result;
    const bool contents = parser.isSet(ContentsOption);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1 || files[0].isEmpty() || contents == parser.isSet(ContextOption)) {
        result.error = QStringLiteral("give one help file and either --contents or --context N");
        return result;
    }
    result.request.file = files[0];
    if (!contents) {
        const QString number = parser.value(ContextOption);
        const auto n = contextNumber(number);
        if (!n) {
            result.error = QStringLiteral("not a context number: ") + number;
            return result;
        }
        result.request.contents = false;
        result.request.context = *n;
    }
    return result;
}

QString commandLineUsage()
{
    QCommandLineParser parser;
    setUp(parser);
    return commandline::usage(parser, QStringLiteral("helpview"));
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
