#include "commandline.h"

namespace tolvar {

namespace {

void setUp(QCommandLineParser &parser)
{
    commandline::setUp(parser,
                       QStringLiteral("The Tolvar add-in's automation server.\nRun plainly, "
                                      "it registers the add-in for this user and exits."));
    parser.addOption({QStringLiteral("Embedding"),
                      QStringLiteral("Serve the environment that started tolvar.")});
    parser.addOption({QStringLiteral("peer"),
                      QStringLiteral("The environment's D-Bus peer address to connect to."),
                      QStringLiteral("ADDRESS")});
    parser.addOption({QStringLiteral("owner-window"),
                      QStringLiteral("Keep its windows above the environment's window ID."),
                      QStringLiteral("ID")});
}

} // namespace

commandline::Standard ParseCommandLine(const QStringList &arguments)
{
    // Every way of writing it that automation::isEmbedding takes, which is not called here so
    // that a run needing QtCore only does not bring D-Bus with it.
    QStringList taken = arguments;
    for (QString &a : taken) {
        for (const char16_t *form : {u"-Embedding", u"--Embedding", u"/Embedding"}) {
            if (a.compare(QStringView(form), Qt::CaseInsensitive) == 0)
                a = QStringLiteral("-Embedding");
        }
    }
    QCommandLineParser parser;
    setUp(parser);
    commandline::Standard result = commandline::parse(parser, taken);
    if (result.error.isEmpty() && !parser.positionalArguments().isEmpty())
        result.error = QStringLiteral("Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst());
    return result;
}

QString CommandLineUsage()
{
    QCommandLineParser parser;
    setUp(parser);
    return commandline::usage(parser, QStringLiteral("tolvar"));
}

std::optional<int> AnswerCommandLine(int argc, char **argv)
{
    return commandline::answer(ParseCommandLine(commandline::arguments(argc, argv).mid(1)),
                               QStringLiteral("tolvar"), CommandLineUsage());
}

} // namespace tolvar
