// Round trip of one automation Invoke over the peer bridge beside a bare QtDBus peer call to a
// plain QObject in the same far process.
#include "platform/automation/peerconnection.h"
#include "platform/automation/remoteobject.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

using namespace automation;

namespace {

struct Peer
{
    QTemporaryDir dir;
    std::unique_ptr<QDBusServer> bridgeServer;
    std::unique_ptr<QDBusServer> bareServer;
    QProcess process;
    std::shared_ptr<PeerConnection> bridge;
    std::optional<QDBusConnection> bare;
    std::shared_ptr<RemoteObject> object;

    bool start()
    {
        bridgeServer =
            std::make_unique<QDBusServer>(QStringLiteral("unix:path=") + dir.filePath("a"));
        bareServer =
            std::make_unique<QDBusServer>(QStringLiteral("unix:path=") + dir.filePath("b"));
        QObject::connect(bridgeServer.get(), &QDBusServer::newConnection,
                         [this](const QDBusConnection &c) { bridge = PeerConnection::adopt(c); });
        QObject::connect(bareServer.get(), &QDBusServer::newConnection,
                         [this](const QDBusConnection &c) { bare = c; });
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(
            QCoreApplication::applicationDirPath() + "/automation_benchpeer",
            {"-Embedding", "--peer=" + bridgeServer->address(), "--bare=" + bareServer->address()});
        QDeadlineTimer deadline(20000);
        while (!(bridge && bare) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!(bridge && bare))
            return false;
        object = std::dynamic_pointer_cast<RemoteObject>(bridge->remoteObject("/bench"));
        // The far end exports its object just after connecting.
        while (!deadline.hasExpired()) {
            try {
                object->Invoke("Ping", {Value(qint32(1))});
                return true;
            } catch (const Error &) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
        }
        return false;
    }
};

Peer *peer = nullptr;

void BM_BareQtDBusCall(benchmark::State &state)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(QString(), "/bare", QString(), "Ping")
                              << 42;
    for (auto _ : state) {
        const QDBusMessage reply = peer->bare->call(call);
        if (reply.type() != QDBusMessage::ReplyMessage)
            state.SkipWithError("bare call failed");
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_BareQtDBusCall)->UseRealTime();

void BM_BridgeInvoke(benchmark::State &state)
{
    const Values args{Value(qint32(42))};
    for (auto _ : state) {
        const Value v = peer->object->Invoke("Ping", args);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_BridgeInvoke)->UseRealTime();

void BM_BridgeInvokeAsync(benchmark::State &state)
{
    const Values args{Value(qint32(42))};
    QEventLoop loop;
    for (auto _ : state) {
        peer->object->invokeAsync(
            "Ping", args, [&](const Value &) { loop.quit(); }, [&](const Error &) { loop.quit(); });
        loop.exec();
    }
}
BENCHMARK(BM_BridgeInvokeAsync)->UseRealTime();

// Keeps each run's time to print the ratio to the bare call at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Peer far;
    if (!far.start()) {
        std::fprintf(stderr, "automation_bench: the peer did not come up\n");
        return 1;
    }
    peer = &far;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double bare = reporter.times["BM_BareQtDBusCall/real_time"];
    if (bare > 0) {
        for (const auto &[name, time] : reporter.times)
            std::printf("%-36s %8.1f us  %.2fx the bare call\n", name.c_str(), time / 1000.0,
                        time / bare);
    }
    benchmark::Shutdown();
    far.bridge->close();
    far.process.waitForFinished(3000);
    return 0;
}
