// Start-up of the tool window, from the menu command's loader call until the window is shown
// (splash, list bound to the library, about box preloaded, centred). Aim: under 100 ms.
// Also one subroutine copy from the shipped library.
#include "addin/forms.h"
#include "addin/host/addinfolder.h"
#include "addin/toolwindow/dblist.h"
#include "addin/toolwindow/formregistry.h"
#include "addin/toolwindow/toolwindow.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "platform/ui/qtservices.h"

#include <QApplication>
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
