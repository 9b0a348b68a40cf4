// The peer bridge: calls both ways on one connection, objects, dying peers, bad messages.
#include "peerfixture.h"

#include "platform/automation/wire.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <stdexcept>

using namespace automation;
using namespace automation::testing;

namespace {

TEST_F(PeerTest, BlockingInvokeServesCallBacksWhileWaiting)
{
    EXPECT_EQ(peer->Invoke("CallBack", {Value(localObject()), Value("Add"), Value(qint32(2)),
                                        Value(qint32(3))}),
              Value(qint32(5)));
}

TEST_F(PeerTest, CallBackRunsWhileCallerWaitsAsynchronously)
{
    const Value sum =
        callAsync(peer, "CallBack",
                  {Value(localObject()), Value("Add"), Value(qint32(40)), Value(qint32(2))});
    EXPECT_EQ(sum, Value(qint32(42)));
    EXPECT_EQ(calls, 1);
}

TEST_F(PeerTest, NestedCallsBothWaysOnOneConnection)
{
    // Caller -> peer -> caller -> peer, each waiting on the next.
    EXPECT_EQ(callAsync(peer, "CallBack", {Value(localObject()), Value("Relay"), Value("deep")}),
              Value("deep"));
}

TEST_F(PeerTest, AssignAndEnumerateWorkBothWays)
{
    peer->Assign("Value", {}, Value(qint16(17)));
    EXPECT_EQ(peer->Invoke("value", {}), Value(qint16(17)));
    const Values items = peer->Enumerate();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], Value(qint32(1)));
    EXPECT_EQ(items[1], Value("two"));
    EXPECT_EQ(items[2].toObject(), peer);

    auto local = localObject();
    callAsync(peer, "AssignBack", {Value(local), Value("Caption"), Value("Form1")});
    EXPECT_EQ(caption, Value("Form1"));
    EXPECT_EQ(callAsync(peer, "EnumerateBack", {Value(local)}), Value(qint32(2)));
}

TEST_F(PeerTest, AsyncAssignAndEnumerateReport)
{
    auto remote = std::dynamic_pointer_cast<RemoteObject>(peer);
    bool assigned = false;
    std::optional<Values> items;
    remote->assignAsync("Value", {}, Value("x"), [&] { assigned = true; }, {});
    remote->enumerateAsync([&](const Values &v) { items = v; }, {});
    ASSERT_TRUE(waitFor([&] { return assigned && items; }));
    EXPECT_EQ(items->size(), 3);
    EXPECT_EQ(callAsync(peer, "Value"), Value("x"));
}

TEST_F(PeerTest, ForeignExceptionsBecomeAutomationErrors)
{
    EXPECT_EQ(callAsync(peer, "CallBackError", {Value(localObject()), Value("Crash")}),
              Value("440|Automation error: boom"));
    try {
        peer->Invoke("Throw", {Value("bad")});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 440);
        EXPECT_TRUE(e.description().contains("bad"));
    }
}

TEST_F(PeerTest, AsyncCallReportsPeerError)
{
    try {
        callAsync(peer, "NoSuchMember");
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), Error::memberNotFound().number());
    }
}

TEST_F(PeerTest, StringWithChrZeroIsRefusedNotCut)
{
    QString text = QStringLiteral("a");
    text += QChar(0);
    text += u'b';
    try {
        peer->Invoke("Echo", {Value(text)});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 5);
    }
    EXPECT_EQ(peer->Invoke("Echo", {Value("ok")}), Value("ok"));
}

TEST_F(PeerTest, SameLocalObjectKeepsItsPathAndComesBackAsItself)
{
    auto local = localObject();
    EXPECT_EQ(callAsync(peer, "Same", {Value(local), Value(local)}), Value(true));
    callAsync(peer, "Keep", {Value(local)});
    EXPECT_EQ(callAsync(peer, "Kept").toObject(), ObjectPtr(local));
    const QString path = connection->exportObject(local);
    EXPECT_EQ(connection->exportObject(local), path);
    EXPECT_EQ(connection->remoteObject(path), ObjectPtr(local));
    EXPECT_NE(connection->exportObject(localObject()), path);
}

TEST_F(PeerTest, ExportedObjectsLiveAsLongAsTheConnection)
{
    std::weak_ptr<DispatchObject> watched;
    {
        auto local = localObject();
        watched = local;
        callAsync(peer, "Keep", {Value(local)});
    }
    ASSERT_FALSE(watched.expired());
    // The peer can still reach it through the path it was given.
    EXPECT_EQ(callAsync(peer, "Kept").toObject(), ObjectPtr(watched.lock()));
    server.launcher.stop();
    EXPECT_TRUE(watched.expired());
}

TEST_F(PeerTest, SamePeerPathGivesSameProxy)
{
    EXPECT_EQ(callAsync(peer, "Self").toObject(), peer);
    const QString path = std::dynamic_pointer_cast<RemoteObject>(peer)->path();
    EXPECT_EQ(connection->remoteObject(path), peer);
    const ObjectPtr child1 = callAsync(peer, "NewChild").toObject();
    const ObjectPtr child2 = callAsync(peer, "NewChild").toObject();
    EXPECT_NE(child1, child2);
    // A peer object passed back to the peer is its own object there, not a re-export.
    EXPECT_EQ(callAsync(peer, "Same", {Value(peer), Value(peer)}), Value(true));
    callAsync(peer, "Keep", {Value(child1)});
    EXPECT_EQ(callAsync(peer, "Kept").toObject(), child1);
}

TEST_F(PeerTest, NothingTravelsAsRootPath)
{
    EXPECT_EQ(callAsync(peer, "Nothing"), Value::nothing());
    EXPECT_EQ(callAsync(peer, "Same", {Value::nothing(), Value::nothing()}), Value(true));
    EXPECT_EQ(connection->remoteObject("/"), nullptr);
    EXPECT_EQ(connection->exportObject(nullptr), "/");
}

TEST_F(PeerTest, ExportRefusesInvalidOrTakenPaths)
{
    for (const char *bad : {"/", "relative", "/a//b", "/trailing/", "/bad-char"}) {
        EXPECT_THROW(connection->exportObject(localObject(), bad), Error) << bad;
    }
    connection->exportObject(localObject(), "/Fixed/Place");
    EXPECT_THROW(connection->exportObject(localObject(), "/Fixed/Place"), Error);
}

TEST_F(PeerTest, PeerDyingMidCallRaisesDisconnected)
{
    std::optional<int> exitCode;
    QObject::connect(&server.launcher, &ServerLauncher::finished, [&](int c) { exitCode = c; });
    // Should the death go unnoticed, the call times out with another error instead of hanging.
    connection->setCallTimeout(20000);
    try {
        peer->Invoke("Die", {});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), Error::disconnected().number());
    }
    EXPECT_FALSE(connection->isConnected());
    // Later calls fail at once.
    EXPECT_THROW(peer->Invoke("Echo", {Value(1)}), Error);
    ASSERT_TRUE(waitFor([&] { return exitCode.has_value(); }));
    EXPECT_EQ(*exitCode, 7);
}

TEST_F(PeerTest, AsyncCallToDyingPeerReportsDisconnected)
{
    bool disconnectedSignal = false;
    QObject::connect(connection.get(), &PeerConnection::disconnected,
                     [&] { disconnectedSignal = true; });
    auto remote = std::dynamic_pointer_cast<RemoteObject>(peer);
    std::optional<Error> first;
    std::optional<Error> second;
    remote->invokeAsync("Die", {}, {}, [&](const Error &e) { first = e; });
    remote->invokeAsync("Echo", {Value(1)}, {}, [&](const Error &e) { second = e; });
    ASSERT_TRUE(waitFor([&] { return first && second; }));
    EXPECT_EQ(first->number(), Error::disconnected().number());
    EXPECT_EQ(second->number(), Error::disconnected().number());
    EXPECT_TRUE(disconnectedSignal);
    std::optional<Error> late;
    remote->invokeAsync("Echo", {}, {}, [&](const Error &e) { late = e; });
    ASSERT_TRUE(waitFor([&] { return late.has_value(); }));
    EXPECT_EQ(late->number(), Error::disconnected().number());
}

TEST_F(PeerTest, StopClosesConnectionAndServerEndsByItself)
{
    std::optional<int> exitCode;
    QObject::connect(&server.launcher, &ServerLauncher::finished, [&](int c) { exitCode = c; });
    server.launcher.stop();
    EXPECT_FALSE(connection->isConnected());
    EXPECT_THROW(peer->Invoke("Echo", {}), Error);
    ASSERT_TRUE(waitFor([&] { return exitCode.has_value(); }));
    EXPECT_EQ(*exitCode, 0);
}

// Hand-built messages the bridge must answer with an error, and survive.
struct GarbageCase
{
    const char *name;
    const char *path; // empty: the peer object's path
    const char *interface;
    const char *method;
    QList<QVariant> (*args)();
    const char *errorName;
    qint32 number; // for ole.Error replies
};

QList<QVariant> noArgs()
{
    return {};
}
QVariant variants(const QList<QDBusVariant> &list)
{
    return QVariant::fromValue(list);
}

const GarbageCase garbageCases[] = {
    {"InvokeWithoutArgs", "", "ole.Automation", "Invoke", [] { return QList<QVariant>{"Echo"}; },
     "ole.Error", 450},
    {"InvokeWithIntArgs", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", 5};
     },
     "ole.Error", 450},
    {"InvokeWithExtra", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", variants({}), 1};
     },
     "ole.Error", 450},
    {"AssignWithoutValue", "", "ole.Automation", "Assign",
     [] {
         return QList<QVariant>{"Value", variants({})};
     },
     "ole.Error", 450},
    {"EnumerateWithArgs", "", "ole.Automation", "Enumerate", [] { return QList<QVariant>{"x"}; },
     "ole.Error", 450},
    {"ByteOtherThanEmptyOrNull", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", variants({QDBusVariant(QVariant::fromValue(uchar(2)))})};
     },
     "ole.Error", 458},
    {"UnsignedValue", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", variants({QDBusVariant(QVariant::fromValue(quint16(2)))})};
     },
     "ole.Error", 458},
    {"NestedVariant", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{
             "Echo",
             variants({QDBusVariant(QVariant::fromValue(QDBusVariant(QVariant::fromValue(1))))})};
     },
     "ole.Error", 458},
    {"ArrayValue", "", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo",
                                variants({QDBusVariant(QVariant::fromValue(QStringList{"a"}))})};
     },
     "ole.Error", 458},
    {"UnknownInterface", "", "org.example.Other", "Invoke", noArgs,
     "org.freedesktop.DBus.Error.UnknownInterface", 0},
    {"UnknownMethod", "", "ole.Automation", "Frobnicate", noArgs,
     "org.freedesktop.DBus.Error.UnknownMethod", 0},
    {"UnknownPath", "/no/such/object", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", variants({})};
     },
     "ole.Error", 91},
    {"NothingPath", "/", "ole.Automation", "Invoke",
     [] {
         return QList<QVariant>{"Echo", variants({})};
     },
     "ole.Error", 91},
};

class GarbageTest : public PeerTest, public ::testing::WithParamInterface<GarbageCase>
{
};

TEST_P(GarbageTest, GetsErrorReplyAndPeerKeepsServing)
{
    const GarbageCase &c = GetParam();
    const QString path = *c.path ? QString::fromLatin1(c.path)
                                 : std::dynamic_pointer_cast<RemoteObject>(peer)->path();
    QDBusMessage message = QDBusMessage::createMethodCall(QString(), path, c.interface, c.method);
    message.setArguments(c.args());
    QDBusPendingCallWatcher watcher(connection->dbusConnection().asyncCall(message));
    ASSERT_TRUE(waitFor([&] { return watcher.isFinished(); }));
    const QDBusMessage reply = watcher.reply();
    ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), QString::fromLatin1(c.errorName));
    if (c.number) {
        EXPECT_EQ(wire::errorFromText(reply.errorMessage()).number(), c.number)
            << reply.errorMessage().toStdString();
    }
    EXPECT_EQ(callAsync(peer, "Echo", {Value("still here")}), Value("still here"));
}

INSTANTIATE_TEST_SUITE_P(Messages, GarbageTest, ::testing::ValuesIn(garbageCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PeerTest, IntrospectionDescribesTheInterface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString(), "/ClassFactory", "org.freedesktop.DBus.Introspectable", "Introspect");
    QDBusPendingCallWatcher watcher(connection->dbusConnection().asyncCall(message));
    ASSERT_TRUE(waitFor([&] { return watcher.isFinished(); }));
    EXPECT_TRUE(watcher.reply().arguments().value(0).toString().contains("ole.Automation"));
}

} // namespace
