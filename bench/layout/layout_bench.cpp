// Aligning and sizing 1,000 selected controls: against an in-process designer, and against the
// same designer served by a second process over the peer connection (as the add-in meets the
// environment). Run as "layout_bench -Embedding --peer=ADDRESS", the program is that second
// process.

#include "tests/layout/designermodel.h"

#include "addin/layout/aligncontrols.h"
#include "addin/layout/matchcontrolsizes.h"
#include "addin/runtime/hostapp.h"

#include "platform/automation/localserver.h"
#include "platform/automation/registry.h"
#include "platform/automation/serverlauncher.h"
#include "tests/common/fakeservices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using automation::Value;
using tolvar::testing::DesignerModel;

namespace {

constexpr int Controls = 1000;
const QString DesignerProgId = QStringLiteral("TolvarBench.Designer");

void fill(DesignerModel &model)
{
    for (int i = 0; i < Controls; ++i)
        model.add(QStringLiteral("Text%1").arg(i), {{"Left", Value(qint32(120 + (i % 37) * 10))},
                                                    {"Top", Value(qint32(120 + i * 15))},
                                                    {"Width", Value(qint32(1200 + i % 50))},
                                                    {"Height", Value(qint32(300 + i % 20))}});
}

Value &remoteDesigner()
{
    static Value app;
    return app;
}

void runAlign(benchmark::State &state, const Value &app, const char *position, const char *extent)
{
    tolvar::HostApp = app;
    for (auto _ : state) {
        tolvar::AlignControls(QString::fromLatin1(position), QString::fromLatin1(extent));
    }
    state.SetItemsProcessed(state.iterations() * Controls);
}

void runSize(benchmark::State &state, const Value &app, qint16 mode)
{
    tolvar::HostApp = app;
    for (auto _ : state) {
        tolvar::MatchControlSizes(mode);
    }
    state.SetItemsProcessed(state.iterations() * Controls);
}

void BM_AlignLeftInProcess(benchmark::State &state)
{
    DesignerModel model;
    fill(model);
    runAlign(state, model.application(), "Left", "");
}

void BM_AlignBottomInProcess(benchmark::State &state)
{
    DesignerModel model;
    fill(model);
    runAlign(state, model.application(), "Top", "Height");
}

void BM_SizeBothInProcess(benchmark::State &state)
{
    DesignerModel model;
    fill(model);
    runSize(state, model.application(), 3);
}

void BM_AlignLeftOverPeer(benchmark::State &state)
{
    runAlign(state, remoteDesigner(), "Left", "");
}

void BM_AlignBottomOverPeer(benchmark::State &state)
{
    runAlign(state, remoteDesigner(), "Top", "Height");
}

void BM_SizeBothOverPeer(benchmark::State &state)
{
    runSize(state, remoteDesigner(), 3);
}

BENCHMARK(BM_AlignLeftInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignBottomInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeBothInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignLeftOverPeer)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AlignBottomOverPeer)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SizeBothOverPeer)->Unit(benchmark::kMillisecond)->Iterations(5);

// The second process: serves one designer with the selection until the connection closes.
int serveDesigner(const QStringList &arguments)
{
    static DesignerModel model;
    fill(model);
    auto factory = std::make_shared<automation::ClassFactory>();
    factory->registerClass(DesignerProgId, [] { return model.application().toObject(); });
    try {
        auto peer = automation::serveEmbedding(automation::peerAddress(arguments), factory);
        return QCoreApplication::exec();
    } catch (const automation::Error &e) {
        std::fprintf(stderr, "layout_bench: %s\n", qPrintable(e.description()));
        return 1;
    }
}

bool startDesigner(automation::ServerLauncher &launcher)
{
    if (!automation::registerLocalServer(DesignerProgId, QCoreApplication::applicationFilePath()))
        return false;
    bool settled = false;
    QObject::connect(&launcher, &automation::ServerLauncher::created, [&] { settled = true; });
    QObject::connect(&launcher, &automation::ServerLauncher::failed,
                     [&](const automation::Error &e) {
                         std::fprintf(stderr, "layout_bench: %s\n", qPrintable(e.description()));
                         settled = true;
                     });
    launcher.start(DesignerProgId);
    QDeadlineTimer deadline(30000);
    while (!settled && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!launcher.object())
        return false;
    remoteDesigner() = Value(launcher.object());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (automation::isEmbedding(arguments))
        return serveDesigner(arguments);

    // A private Windows directory: the benchmark registers its own helper class.
    QTemporaryDir windir;
    qputenv("WINDIR", windir.path().toLocal8Bit());
    ui::FakeServices services;
    ui::setServices(&services);

    automation::ServerLauncher launcher;
    if (!startDesigner(launcher))
        std::fprintf(stderr, "layout_bench: no designer process, the peer cases will fail\n");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    remoteDesigner() = Value();
    tolvar::HostApp = Value();
    // The helper ends once its connection closes; wait for it rather than orphan it.
    bool finished = !launcher.isRunning();
    QObject::connect(&launcher, &automation::ServerLauncher::finished, [&] { finished = true; });
    launcher.stop();
    QDeadlineTimer deadline(10000);
    while (!finished && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return services.callsTo("MsgBox").isEmpty() ? 0 : 1;
}
