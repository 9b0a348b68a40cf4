#include "commandline.h"

#include <cstdio>

namespace commandline {

namespace {

// The options QGuiApplication and QApplication read themselves; true for those taking a value.
const struct
{
    const char *name;
    bool value;
} QtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, bytes.size(), stream);
    std::fflush(stream);
}

} // namespace

void setUp(QCommandLineParser &parser, const QString &description)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(description);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QStringLiteral("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QStringLiteral("Show the version and exit.")});
    for (const auto &qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.value)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

Standard parse(QCommandLineParser &parser, const QStringList &arguments)
{
    Standard result;
    // The parser skips the first argument, the program's name.
    if (!parser.parse(QStringList{QString()} + arguments))
        result.error = parser.errorText();
    result.help = parser.isSet(QStringLiteral("help"));
    result.version = parser.isSet(QStringLiteral("version"));
    return result;
}

QString usage(const QCommandLineParser &parser, const QString &program)
{
    QString text = parser.helpText();
    // The first line is "Usage: PATH [options]..."; the path is whatever Qt knows of, if anything.
    const QString head = QStringLiteral("Usage: ");
    if (text.startsWith(head)) {
        const qsizetype end = text.indexOf(u' ', head.size());
        text.replace(head.size(), end - head.size(), program);
    }
    return text;
}

std::optional<int> answer(const Standard &request, const QString &program, const QString &usage)
{
    if (!request.error.isEmpty()) {
        print(stderr, program + QStringLiteral(": ") + request.error + u'\n' + usage);
        return 2;
    }
    if (request.help) {
        print(stdout, usage);
        return 0;
    }
    if (request.version) {
        print(stdout, program + u' ' + version() + u'\n');
        return 0;
    }
    return std::nullopt;
}

QString version()
{
    return QStringLiteral(TOLVAR_VERSION);
}

QStringList arguments(int argc, char **argv)
{
    QStringList result;
    for (int i = 0; i < argc; ++i)
        result << QString::fromLocal8Bit(argv[i]);
    return result;
}

} // namespace commandline
