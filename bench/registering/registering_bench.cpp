// The plain registering run ("tolvar" with no arguments) against crudini --set writing the same
// key into the same VB.INI, each as a whole process started the same way. Aim: a quarter of
// crudini's time or less. Both run on an already registered VB.INI of a usual size, so each
// finds the key and keeps the file as it is. The ratio of the two is printed at the end.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

const char ProgId[] = "VantixTolvarAddIn.connect";

// Seconds per run of each command, for the ratio.
std::map<std::string, double> &perRun()
{
    static std::map<std::string, double> seconds;
    return seconds;
}

// A VB.INI as a working installation has it: a few sections and the add-in's line.
QByteArray usualVbIni()
{
    QByteArray ini = "[Visual Basic]\r\nvbpath=C:\\VB\r\nReferencesDir=C:\\VB\r\n\r\n"
                     "[Add-Ins32]\r\nAppWizard.Wizard=0\r\nDataFormDesigner.DFDClass=0\r\n";
    ini += QByteArray(ProgId) + "=0\r\n\r\n[Options]\r\n";
    for (int i = 0; i < 40; ++i)
        ini += "Option" + QByteArray::number(i) + "=" + QByteArray::number(i * 7) + "\r\n";
    return ini;
}

int run(const std::vector<QByteArray> &command)
{
    std::vector<char *> argv;
    for (const QByteArray &a : command)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void timeCommand(benchmark::State &state, const std::string &key,
                 const std::vector<QByteArray> &command)
{
    QTemporaryDir windows;
    QFile ini(windows.filePath(QStringLiteral("VB.INI")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write(usualVbIni()) < 0) {
        state.SkipWithError("cannot write VB.INI");
        return;
    }
    ini.close();
    qputenv("WINDIR", QFile::encodeName(windows.path()));
    std::vector<QByteArray> args = command;
    for (QByteArray &a : args)
        a.replace("%INI%", QFile::encodeName(ini.fileName()));
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (run(args) != 0) {
            state.SkipWithError("the command failed");
            break;
        }
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (state.iterations() > 0)
        perRun()[key] = spent.count() / double(state.iterations());
    qunsetenv("WINDIR");
}

void BM_TolvarRegistering(benchmark::State &state)
{
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    timeCommand(state, "tolvar", {TOLVAR_ADDIN_DIR "/tolvar"});
}
BENCHMARK(BM_TolvarRegistering)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_CrudiniSet(benchmark::State &state)
{
    const QString crudini = QStandardPaths::findExecutable(QStringLiteral("crudini"));
    if (crudini.isEmpty()) {
        state.SkipWithError("crudini is not installed");
        return;
    }
    timeCommand(state, "crudini",
                {QFile::encodeName(crudini), "--set", "%INI%", "Add-Ins32", ProgId, "0"});
}
BENCHMARK(BM_CrudiniSet)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto tolvar = perRun().find("tolvar");
    const auto crudini = perRun().find("crudini");
    if (tolvar != perRun().end() && crudini != perRun().end() && crudini->second > 0)
        std::printf("tolvar / crudini: %.3f (aim: at most 0.25)\n",
                    tolvar->second / crudini->second);
    return 0;
}
