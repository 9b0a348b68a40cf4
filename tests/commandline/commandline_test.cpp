// --help, --version and a refused option of each program, run without a display, and the
// options its manual page lists; then what tolvar lets through to the registering run and the
// server.
#include "addin/commandline.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString programPath(const QString &name)
{
    return name == u"tolvar" ? qEnvironmentVariable("TOLVAR_ADDIN_DIR") + "/tolvar"
                             : qEnvironmentVariable("TOLVAR_BUILD_DIR") + "/bin/" + name;
}

Outcome run(const QString &name, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(variable);
    process.setProcessEnvironment(env);
    process.start(programPath(name), arguments);
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The option names (without dashes) in the given lines, sorted, each once.
std::string optionNames(const QStringList &lines)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?([A-Za-z][\\w-]*)"));
    QStringList names;
    for (const QString &line : lines) {
        for (const auto &match : option.globalMatch(line))
            names << match.captured(1);
    }
    names.sort();
    names.removeDuplicates();
    return names.join(u' ').toStdString();
}

// In --help, the names before each option's explanation.
std::string helpOptions(const QString &help)
{
    QStringList lines;
    const QString options = help.section(QStringLiteral("Options:\n"), 1).section("\n\n", 0, 0);
    for (const QString &line : options.split(u'\n')) {
        if (line.startsWith(QStringLiteral("  -")))
            lines << line.trimmed().section(QRegularExpression("\\s{2,}"), 0, 0);
    }
    return optionNames(lines);
}

// In the manual page, the line after each ".TP" of its OPTIONS section.
std::string manualOptions(const QString &name)
{
    QFile page(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/docs/man/" + name + ".1");
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString source = QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), "-");
    const QStringList lines =
        source.section(QStringLiteral(".SH OPTIONS\n"), 1).section("\n.SH ", 0, 0).split(u'\n');
    QStringList items;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i - 1] == u".TP")
            items << lines[i];
    }
    return optionNames(items);
}

class ProgramTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(ProgramTest, AnswersHelpAndVersionAndRefusesAnUnknownOptionWithoutADisplay)
{
    const QString name = GetParam();
    const Outcome help = run(name, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: " + name + " ")) << help.out.toStdString();
    EXPECT_EQ(help.err, QString());

    const Outcome version = run(name, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, name + " " TOLVAR_VERSION "\n");

    const Outcome bad = run(name, {"--no-such-option"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out, QString());
    EXPECT_TRUE(bad.err.contains("no-such-option") && bad.err.contains(help.out))
        << bad.err.toStdString();
}

TEST_P(ProgramTest, ManualPageListsTheOptionsOfHelp)
{
    const QString name = GetParam();
    const std::string help = helpOptions(run(name, {"--help"}).out);
    EXPECT_NE(help.find("help"), std::string::npos);
    EXPECT_EQ(manualOptions(name), help);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramTest, ::testing::Values("vbhost", "helpview", "tolvar"));

enum class Answer { Run, Help, Version, Refused };

struct TolvarCase
{
    QStringList arguments;
    Answer answer;
};

class TolvarCommandLineTest : public ::testing::TestWithParam<TolvarCase>
{
};

TEST_P(TolvarCommandLineTest, LetsTheRegisteringRunAndTheServerThrough)
{
    const auto c = tolvar::ParseCommandLine(GetParam().arguments);
    const Answer answer = !c.error.isEmpty() ? Answer::Refused
                          : c.help           ? Answer::Help
                          : c.version        ? Answer::Version
                                             : Answer::Run;
    EXPECT_EQ(answer, GetParam().answer) << c.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TolvarCommandLineTest,
    ::testing::Values(
        TolvarCase{{}, Answer::Run},
        TolvarCase{{"-Embedding", "--peer=unix:path=/tmp/p,guid=ab"}, Answer::Run},
        TolvarCase{{"/embedding", "--peer", "unix:path=/p", "--owner-window=4194307"}, Answer::Run},
        TolvarCase{{"-platform", "offscreen", "--Embedding", "--peer=x"}, Answer::Run},
        TolvarCase{{"-h"}, Answer::Help}, TolvarCase{{"-v"}, Answer::Version},
        TolvarCase{{"-Embedding", "--frobnicate"}, Answer::Refused},
        TolvarCase{{"stray"}, Answer::Refused}, TolvarCase{{"--peer"}, Answer::Refused}));

} // namespace
