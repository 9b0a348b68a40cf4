// Start-up of the tool window, from the menu command's loader call until the window is shown
// (splash, list bound to the library, about box preloaded, centred). Aim: under 100 ms.
// Also one subroutine copy from the shipped library.
//
// And the same as the environment meets it: the add-in started as its own process over a real
// peer connection, timed from AfterClick until the reply to the call after it, by when the
// window has been shown and painted (the offscreen platform paints on show), with the add-in's
// resident size then. Aims: under 150 ms, at most 60 MB.
#include "addin/forms.h"
#include "addin/runtime/addinfolder.h"
#include "addin/toolwindow/dblist.h"
#include "addin/toolwindow/toolwindow.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"
#include "platform/ui/qtservices.h"
#include "tests/common/menuenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_LoadToolWindow(benchmark::State &state)
{
    for (auto _ : state) {
        tolvar::LoadToolWindow();
        tolvar::ToolWindow *window = tolvar::toolWindow();
        if (!window || !window->isVisible() || window->list()->count() == 0) {
            state.SkipWithError("the tool window did not come up with its list");
            break;
        }
        state.PauseTiming();
        tolvar::unloadToolWindowForTesting();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadToolWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CopySubroutine(benchmark::State &state)
{
    tolvar::LoadToolWindow();
    tolvar::ToolWindow *window = tolvar::toolWindow();
    const int entries = window->list()->count();
    int row = 0;
    for (auto _ : state) {
        window->list()->setCurrentRow(row++ % entries);
        emit window->list()->Click();
    }
    if (window->statusText() != QLatin1String("Subroutine Copied"))
        state.SkipWithError("no copy happened");
    tolvar::unloadToolWindowForTesting();
}
BENCHMARK(BM_CopySubroutine)->Unit(benchmark::kMicrosecond);

// Calls member and waits for its reply; false on an error or after 30 s.
bool call(const automation::ObjectPtr &target, const QString &member,
          const automation::Values &args)
{
    auto remote = std::dynamic_pointer_cast<automation::RemoteObject>(target);
    bool done = false, ok = false;
    if (!remote)
        return false;
    remote->invokeAsync(
        member, args,
        [&](const automation::Value &) {
            done = true;
            ok = true;
        },
        [&](const automation::Error &) { done = true; });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return ok;
}

double residentMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB"))
                           .match(QString::fromLatin1(status.readAll()));
    return match.captured(1).toDouble() / 1024;
}

void BM_ToolWindowInItsProcess(benchmark::State &state)
{
    QTemporaryDir windows;
    qputenv("WINDIR", QFile::encodeName(windows.path()));
    qputenv("TOLVAR_FAKE_UI", QFile::encodeName(windows.filePath(QStringLiteral("ui.log"))));
    QProcess::execute(QStringLiteral(TOLVAR_ADDIN_DIR "/tolvar"), {});
    double resident = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tolvar::testing::MenuEnvironment env;
        automation::ServerLauncher launcher;
        launcher.start(QStringLiteral("VantixTolvarAddIn.connect"));
        QElapsedTimer waited;
        waited.start();
        while (!launcher.object() && launcher.isRunning() && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const automation::ObjectPtr connect = launcher.object();
        if (!connect || !call(connect, QStringLiteral("ConnectAddIn"), {env.application()}) ||
            env.items.isEmpty() || env.items[0].handlers.isEmpty()) {
            state.SkipWithError("the add-in did not connect");
            break;
        }
        const automation::ObjectPtr handler = env.items[0].handlers[0].second;
        state.ResumeTiming();
        const bool shown = call(handler, QStringLiteral("AfterClick"), {}) &&
                           call(handler, QStringLiteral("AfterClick"), {});
        state.PauseTiming();
        if (!shown) {
            state.SkipWithError("AfterClick failed");
            break;
        }
        resident = residentMegabytes(launcher.processId());
        launcher.stopAndWait(10000);
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = resident;
    qunsetenv("TOLVAR_FAKE_UI");
    qunsetenv("WINDIR");
}
BENCHMARK(BM_ToolWindowInItsProcess)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::QtServices services;
    ui::setServices(&services);
    tolvar::setAddInFolderForTesting(QStringLiteral(TOLVAR_ADDIN_DIR));
    tolvar::defineAddInForms(tolvar::forms());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
