#include "peerfixture.h"

#include <stdexcept>

namespace automation::testing {

QString peerExe()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/automation_testpeer");
}

Value callAsync(const ObjectPtr &target, const QString &member, const Values &args)
{
    auto remote = std::dynamic_pointer_cast<RemoteObject>(target);
    if (!remote)
        throw std::logic_error("not a remote object");
    auto outcome = std::make_shared<Outcome>();
    remote->invokeAsync(
        member, args, [outcome](const Value &v) { outcome->value = v; },
        [outcome](const Error &e) { outcome->error = e; });
    if (!waitFor([&] { return outcome->done(); }))
        throw std::runtime_error("no answer");
    if (outcome->error)
        throw *outcome->error;
    return *outcome->value;
}

Server::Server(const QByteArray &mode, int connectTimeout)
{
    qputenv("TOLVAR_TESTPEER_MODE", mode);
    launcher.setConnectTimeout(connectTimeout);
    launcher.setStopGracePeriod(2000);
    QObject::connect(&launcher, &ServerLauncher::created,
                     [this](const ObjectPtr &o) { launch.object = o; });
    QObject::connect(&launcher, &ServerLauncher::failed,
                     [this](const Error &e) { launch.error = e; });
    QObject::connect(&launcher, &ServerLauncher::finished,
                     [this](int code) { launch.exitCode = code; });
}

Server::~Server()
{
    launcher.stop();
    // A server ends by itself once its connection is closed.
    waitFor([this] { return !launcher.isRunning(); }, 5000);
}

bool Server::start(const QString &progId)
{
    launcher.start(progId);
    return waitFor([this] { return launch.object || launch.error; });
}

void RegisteredServerTest::SetUp()
{
    ASSERT_TRUE(registerLocalServer(TestPeer, peerExe()));
    ASSERT_TRUE(registerLocalServer("Tolvar.Refuses", peerExe()));
    ASSERT_TRUE(registerLocalServer("Tolvar.Raw", peerExe()));
}

void PeerTest::SetUp()
{
    RegisteredServerTest::SetUp();
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.object) << server.launch.error->description().toStdString();
    peer = server.launch.object;
    connection = server.launcher.connection();
}

std::shared_ptr<DispatchObject> PeerTest::localObject()
{
    auto o = std::make_shared<DispatchObject>();
    o->method("Echo", [](const Values &args) { return args.value(0); });
    o->method("Add", [this](const Values &args) {
        ++calls;
        return Value(args.value(0).toLong() + args.value(1).toLong());
    });
    o->method("Fail", [](const Values &) -> Value {
        throw Error(9, QStringLiteral("Subscript out of range"));
    });
    o->method("Crash", [](const Values &) -> Value { throw std::runtime_error("boom"); });
    o->method("Relay",
              [this](const Values &args) { return peer->Invoke("Echo", {args.value(0)}); });
    o->property(
        "Caption", [this](const Values &) { return caption; },
        [this](const Values &, const Value &v) { caption = v; });
    o->enumerator([] { return Values{Value(qint16(1)), Value(qint16(2))}; });
    return o;
}

} // namespace automation::testing
