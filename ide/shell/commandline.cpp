#include "commandline.h"

#include "ide/files/codepage.h"

namespace vbhost {

namespace {

const QString AddIn = QStringLiteral("addin");
const QString CodePageOption = QStringLiteral("codepage");
const QString Choose = QStringLiteral("choose");

void setUp(QCommandLineParser &parser)
{
    commandline::setUp(parser, QStringLiteral("Opens a Visual Basic 4 project in the design "
                                              "environment and hosts add-ins."));
    parser.addOption({CodePageOption,
                      QStringLiteral("Read the project's files in Windows code page N."),
                      QStringLiteral("N")});
    parser.addOption({AddIn, QStringLiteral("Load the add-in PROGID at start; may be repeated."),
                      QStringLiteral("PROGID")});
    parser.addOption({Choose,
                      QStringLiteral("Choose the Add-Ins menu command CAPTION once it is there."),
                      QStringLiteral("CAPTION")});
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("The project file (.vbp) to open."),
                                 QStringLiteral("[PROJECT]"));
}

QString check(const QCommandLineParser &parser, CommandLine &result)
{
    for (QString progId : parser.values(AddIn)) {
        progId = progId.trimmed();
        if (progId.isEmpty() || progId.startsWith(QLatin1String("--")))
            return QStringLiteral("--addin needs a ProgID, as in --addin "
                                  "VantixTolvarAddIn.connect");
        // The same add-in twice would connect it twice; ProgIDs ignore case.
        if (!result.addins.contains(progId, Qt::CaseInsensitive))
            result.addins << progId;
    }
    if (parser.isSet(CodePageOption)) {
        bool ok = false;
        result.codePage = parser.values(CodePageOption).constLast().trimmed().toInt(&ok);
        if (!ok || !CodePage::fromNumber(result.codePage)) {
            QStringList known;
            for (int n : CodePage::numbers())
                known << QString::number(n);
            return QStringLiteral("--codepage needs a Windows code page: %1")
                .arg(known.join(QStringLiteral(", ")));
        }
    }
    for (const QString &caption : parser.values(Choose)) {
        if (caption.trimmed().isEmpty() || caption.startsWith(QLatin1String("--")))
            return QStringLiteral("--choose needs the caption of an Add-Ins menu command");
        result.commands << caption;
    }
    const QStringList projects = parser.positionalArguments();
    if (projects.size() > 1)
        return QStringLiteral("Only one project can be opened at a time: %1 and %2")
            .arg(projects.at(0), projects.at(1));
    result.project = projects.value(0);
    return {};
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUp(parser);
    CommandLine result;
    static_cast<commandline::Standard &>(result) = commandline::parse(parser, arguments);
    if (result.error.isEmpty())
        result.error = check(parser, result);
    return result;
}

QString commandLineUsage()
{
    QCommandLineParser parser;
    setUp(parser);
    return commandline::usage(parser, QStringLiteral("vbhost"));
}

} // namespace vbhost
