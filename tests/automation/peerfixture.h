#pragma once

// A test peer in a process of its own, started the way the environment starts add-ins, and the
// environment's ways of waiting for it.

#include "platform/automation/peerconnection.h"
#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <optional>

namespace automation::testing {

inline const char TestPeer[] = "Tolvar.TestPeer";

QString peerExe();

// Spins the event loop until done() holds; the guard only keeps a broken test from hanging.
template <class Pred> bool waitFor(Pred done, int guardMs = 30000)
{
    QDeadlineTimer deadline(guardMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

struct Outcome
{
    std::optional<Value> value;
    std::optional<Error> error;
    bool done() const { return value || error; }
};

// The environment's way of calling: asynchronously, serving call-backs while it waits.
Value callAsync(const ObjectPtr &target, const QString &member, const Values &args = {});

struct Launch
{
    ObjectPtr object;
    std::optional<Error> error;
    std::optional<int> exitCode;
};

class Server
{
public:
    explicit Server(const QByteArray &mode = {}, int connectTimeout = 30000);
    ~Server();

    bool start(const QString &progId);

    ServerLauncher launcher;
    Launch launch;
};

class RegisteredServerTest : public ::testing::Test
{
protected:
    void SetUp() override;
};

// A bridge-served peer object, reached from the environment's side.
class PeerTest : public RegisteredServerTest
{
protected:
    void SetUp() override;

    // An environment object the peer can call back.
    std::shared_ptr<DispatchObject> localObject();

    Server server;
    ObjectPtr peer;
    std::shared_ptr<PeerConnection> connection;
    int calls = 0;
    Value caption;
};

} // namespace automation::testing
