// Time to serve one automation call of an add-in: in the environment's process, and from an
// add-in process over the peer connection.
#include "ide/model/workspace.h"
#include "platform/automation/peerconnection.h"
#include "platform/automation/remoteobject.h"

#include <QCoreApplication>
#include <QDBusServer>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace automation;

namespace {

QByteArray formWithControls(int count)
{
    QByteArray f = "VERSION 4.00\r\nBegin VB.Form Form1 \r\n   Caption         =   \"Form1\"\r\n"
                   "   ClientHeight    =   3195\r\n   ClientWidth     =   4680\r\n";
    for (int i = 1; i <= count; ++i) {
        f += "   Begin VB.CommandButton Command" + QByteArray::number(i) +
             " \r\n      Caption         =   \"Command\"\r\n      Height          =   495\r\n"
             "      Left            =   " +
             QByteArray::number(i * 10) +
             "\r\n      TabIndex        =   0\r\n      Top             =   120\r\n"
             "      Width           =   1215\r\n   End\r\n";
    }
    f += "End\r\nAttribute VB_Name = \"Form1\"\r\n";
    return f;
}

struct Environment
{
    QTemporaryDir dir;
    vbhost::Workspace ws;
    Value form;
    Value left; // Properties("Left") of the last control

    bool open(int controls)
    {
        QFile vbp(dir.filePath("P.vbp")), frm(dir.filePath("Form1.frm"));
        if (!vbp.open(QIODevice::WriteOnly) || !frm.open(QIODevice::WriteOnly))
            return false;
        vbp.write("Form=Form1.frm\r\nName=\"P\"\r\n");
        frm.write(formWithControls(controls));
        vbp.close();
        frm.close();
        ws.open(dir.filePath("P.vbp"));
        ws.setActiveForm(ws.documents().first().id);
        const Value app(ws.application("Bench.connect"));
        form = invoke(invoke(app, "ActiveProject"), "ActiveForm");
        const Value control = invoke(invoke(form, "ControlTemplates"), "Item",
                                     {QStringLiteral("Command%1").arg(controls)});
        left = invoke(control, "Properties", {"Left"});
        return true;
    }
};

Environment *env = nullptr;

struct AddIn
{
    QTemporaryDir dir;
    std::unique_ptr<QDBusServer> server;
    QProcess process;
    std::shared_ptr<PeerConnection> bridge;
    std::shared_ptr<RemoteObject> runner;

    bool start()
    {
        server = std::make_unique<QDBusServer>(QStringLiteral("unix:path=") + dir.filePath("s"));
        QObject::connect(server.get(), &QDBusServer::newConnection,
                         [this](const QDBusConnection &c) { bridge = PeerConnection::adopt(c); });
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QCoreApplication::applicationDirPath() + "/model_addinpeer",
                      {"-Embedding", "--peer=" + server->address()});
        QDeadlineTimer deadline(20000);
        while (!bridge && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!bridge)
            return false;
        runner = std::dynamic_pointer_cast<RemoteObject>(bridge->remoteObject("/runner"));
        while (!deadline.hasExpired()) {
            try {
                run(env->left, "Value", {}, 1);
                return true;
            } catch (const Error &) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
        }
        return false;
    }

    // The environment waits without blocking, serving the add-in's calls.
    double run(const Value &target, const QString &member, const Value &arg, qint32 count)
    {
        std::optional<Value> result;
        std::optional<Error> error;
        runner->invokeAsync(
            "Run", {target, member, arg, count}, [&](const Value &v) { result = v; },
            [&](const Error &e) { error = e; });
        while (!result && !error)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (error)
            throw *error;
        return result->toDouble();
    }
};

AddIn *addin = nullptr;

void BM_InProcessPropertyValue(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(invoke(env->left, "Value"));
}
BENCHMARK(BM_InProcessPropertyValue);

void BM_InProcessPropertiesItemValue(benchmark::State &state)
{
    // What the layout tools do per control: look the property up by name, read its value.
    for (auto _ : state)
        benchmark::DoNotOptimize(invoke(invoke(env->form, "Properties", {"Left"}), "Value"));
}
BENCHMARK(BM_InProcessPropertiesItemValue);

void BM_InProcessAssignLeft(benchmark::State &state)
{
    qint32 v = 0;
    for (auto _ : state)
        assign(env->left, "Value", {}, Value(v++ % 5000));
    env->ws.closeUndoStep();
}
BENCHMARK(BM_InProcessAssignLeft);

void BM_InProcessSelectedControlTemplates(benchmark::State &state)
{
    env->ws.setSelection({"Command1", "Command2", "Command3"});
    for (auto _ : state)
        benchmark::DoNotOptimize(enumerate(invoke(env->form, "SelectedControlTemplates")));
}
BENCHMARK(BM_InProcessSelectedControlTemplates);

// One call of the add-in, timed in the add-in's process: its blocking call into the
// environment, served there, and the reply.
void BM_PeerPropertyValue(benchmark::State &state)
{
    constexpr qint32 batch = 200;
    for (auto _ : state)
        state.SetIterationTime(addin->run(env->left, "Value", {}, batch) / batch / 1e9);
}
BENCHMARK(BM_PeerPropertyValue)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PeerPropertiesItem(benchmark::State &state)
{
    constexpr qint32 batch = 200;
    for (auto _ : state)
        state.SetIterationTime(addin->run(env->form, "Properties", "Left", batch) / batch / 1e9);
}
BENCHMARK(BM_PeerPropertiesItem)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Environment e;
    if (!e.open(200)) {
        std::fprintf(stderr, "model_bench: cannot write the project\n");
        return 1;
    }
    env = &e;
    AddIn far;
    if (!far.start()) {
        std::fprintf(stderr, "model_bench: the add-in process did not come up\n");
        return 1;
    }
    addin = &far;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    far.bridge->close();
    far.process.waitForFinished(3000);
    return 0;
}
