#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace commandline {

// What any program's command line may ask of it before it runs.
struct Standard
{
    bool help = false;
    bool version = false;
    QString error; // what is wrong with the command line; empty when nothing is
};

// A parser taking "-name" as a long option, as Qt's own options are written, with --help and
// --version, and Qt's own options (which the application object takes out of argv later)
// accepted without a line in the help.
void setUp(QCommandLineParser &parser, const QString &description);

// Parses `arguments` (without the program name) and reads the standard options.
Standard parse(QCommandLineParser &parser, const QStringList &arguments);

// The parser's help text, naming `program` rather than the path it was started by.
QString usage(const QCommandLineParser &parser, const QString &program);

// The program's answer when it need not run: the help or the version on standard output, exit
// code 0, or what is wrong and the usage on standard error, exit code 2. Nothing otherwise.
std::optional<int> answer(const Standard &request, const QString &program, const QString &usage);

QString version();

// argv as text, the program name first.
QStringList arguments(int argc, char **argv);

} // namespace commandline
