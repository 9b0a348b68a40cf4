#include "platform/automation/classfactory.h"
#include "platform/automation/localserver.h"
#include "platform/automation/peerconnection.h"
#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"
#include "platform/automation/wire.h"
#include "platform/profile/profile.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

using namespace automation;

namespace {

const char TestPeer[] = "Tolvar.TestPeer";

QString peerExe()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/automation_testpeer");
}

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
Value callAsync(const ObjectPtr &target, const QString &member, const Values &args = {})
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

struct Launch
{
    ObjectPtr object;
    std::optional<Error> error;
    std::optional<int> exitCode;
};

class Server
{
public:
    explicit Server(const QByteArray &mode = {}, int connectTimeout = 30000)
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
    ~Server()
    {
        launcher.stop();
        // A server ends by itself once its connection is closed.
        waitFor([this] { return !launcher.isRunning(); }, 5000);
    }

    bool start(const QString &progId)
    {
        launcher.start(progId);
        return waitFor([this] { return launch.object || launch.error; });
    }

    ServerLauncher launcher;
    Launch launch;
};

class RegisteredServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registerLocalServer(TestPeer, peerExe()));
        ASSERT_TRUE(registerLocalServer("Tolvar.Refuses", peerExe()));
        ASSERT_TRUE(registerLocalServer("Tolvar.Raw", peerExe()));
    }
};

// A bridge-served peer object, reached from the environment's side.
class PeerTest : public RegisteredServerTest
{
protected:
    void SetUp() override
    {
        RegisteredServerTest::SetUp();
        ASSERT_TRUE(server.start(TestPeer));
        ASSERT_TRUE(server.launch.object) << server.launch.error->description().toStdString();
        peer = server.launch.object;
        connection = server.launcher.connection();
    }

    // An environment object the peer can call back.
    std::shared_ptr<DispatchObject> localObject()
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

    Server server;
    ObjectPtr peer;
    std::shared_ptr<PeerConnection> connection;
    int calls = 0;
    Value caption;
};

using ValueMaker = Value (*)();
struct ValueCase
{
    const char *name;
    ValueMaker make;
};

const ValueCase valueCases[] = {
    {"Empty", [] { return Value(); }},
    {"Null", [] { return Value::null(); }},
    {"True", [] { return Value(true); }},
    {"False", [] { return Value(false); }},
    {"IntegerMin", [] { return Value(qint16(-32768)); }},
    {"IntegerMax", [] { return Value(qint16(32767)); }},
    {"LongMin", [] { return Value(qint32(-2147483647 - 1)); }},
    {"LongMax", [] { return Value(qint32(2147483647)); }},
    {"Double", [] { return Value(0.1); }},
    {"DoubleHuge", [] { return Value(-1.7976931348623157e308); }},
    {"EmptyString", [] { return Value(QString()); }},
    {"Unicode",
     [] {
         return Value(QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                        "e \xe2\x82\xac\r\n\t"));
     }},
    {"Nothing", [] { return Value::nothing(); }},
};

class ValueRoundTripTest : public PeerTest, public ::testing::WithParamInterface<ValueCase>
{
};

TEST_P(ValueRoundTripTest, ComesBackFromPeerUnchanged)
{
    const Value sent = GetParam().make();
    const Value back = callAsync(peer, "Echo", {sent});
    EXPECT_EQ(back.type(), sent.type());
    EXPECT_EQ(back, sent) << back.debugText().toStdString();
}

TEST_P(ValueRoundTripTest, ReachesCallerFromPeerUnchanged)
{
    const Value sent = GetParam().make();
    const Value back = callAsync(peer, "CallBack", {Value(localObject()), Value("Echo"), sent});
    EXPECT_EQ(back.type(), sent.type());
    EXPECT_EQ(back, sent) << back.debugText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Values, ValueRoundTripTest, ::testing::ValuesIn(valueCases),
                         [](const auto &info) { return std::string(info.param.name); });

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

struct ErrorCase
{
    qint32 number;
    const char *description;
};

class ErrorTest : public PeerTest, public ::testing::WithParamInterface<ErrorCase>
{
};

TEST_P(ErrorTest, PeerErrorKeepsNumberAndDescription)
{
    const auto [number, description] = GetParam();
    try {
        peer->Invoke("Raise", {Value(number), Value(description)});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), number);
        EXPECT_EQ(e.description(), QString::fromUtf8(description));
    }
}

TEST_P(ErrorTest, CallerErrorReachesPeerIntact)
{
    const auto [number, description] = GetParam();
    auto local = std::make_shared<DispatchObject>();
    local->method("Fail", [&](const Values &) -> Value {
        throw Error(number, QString::fromUtf8(description));
    });
    EXPECT_EQ(callAsync(peer, "CallBackError", {Value(local), Value("Fail")}),
              Value(QString::number(number) + u'|' + QString::fromUtf8(description)));
}

INSTANTIATE_TEST_SUITE_P(Errors, ErrorTest,
                         ::testing::Values(ErrorCase{91, "Object variable not set"},
                                           ErrorCase{-2147417848, "negative"},
                                           ErrorCase{1004, "first line\nsecond line"},
                                           ErrorCase{0, ""},
                                           ErrorCase{32755, "Cancel was selected."}));

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

// The raw peer spells the protocol out by hand: these pin the bytes on the wire.
class WireFormatTest : public RegisteredServerTest
{
protected:
    void SetUp() override
    {
        RegisteredServerTest::SetUp();
        server.emplace("raw");
        ASSERT_TRUE(server->start("Tolvar.Raw"));
        ASSERT_TRUE(server->launch.object);
        raw = server->launch.object;
        connection = server->launcher.connection();
    }
    void TearDown() override { server.reset(); }

    std::optional<Server> server;
    ObjectPtr raw;
    std::shared_ptr<PeerConnection> connection;
};

TEST_F(WireFormatTest, ValuesGoOutInTheirFixedTypes)
{
    auto local = std::make_shared<DispatchObject>();
    const Value described = callAsync(raw, "Describe",
                                      {Value(), Value::null(), Value(true), Value(false),
                                       Value(qint16(-32768)), Value(qint32(2147483647)), Value(0.5),
                                       Value(QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                               "e")),
                                       Value::nothing(), Value(local), Value(raw)});
    const QString localPath = connection->exportObject(local);
    EXPECT_TRUE(localPath.startsWith("/obj/"));
    EXPECT_EQ(described.toString(),
              QString::fromUtf8("ole.Automation|sav|y:0,y:1,b:true,b:false,n:-32768,i:2147483647,"
                                "d:0.5,s:Gr\xc3\xbc\xc3\x9f"
                                "e,o:/,o:") +
                  localPath + ",o:/raw");
}

TEST_F(WireFormatTest, AssignSendsMemberArgumentsAndValue)
{
    raw->Assign("Caption", {Value(qint32(1))}, Value("x"));
    EXPECT_EQ(raw->Invoke("LastAssign", {}), Value("savv|Caption|i:1|s:x"));
}

struct DecodeCase
{
    const char *what;
    ValueMaker expected;
};

class WireDecodeTest : public WireFormatTest, public ::testing::WithParamInterface<DecodeCase>
{
};

TEST_P(WireDecodeTest, ReadsValueType)
{
    const Value expected = GetParam().expected();
    const Value got = raw->Invoke("Make", {Value(GetParam().what)});
    EXPECT_EQ(got.type(), expected.type());
    EXPECT_EQ(got, expected) << got.debugText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Types, WireDecodeTest,
    ::testing::Values(DecodeCase{"empty", [] { return Value(); }},
                      DecodeCase{"null", [] { return Value::null(); }},
                      DecodeCase{"true", [] { return Value(true); }},
                      DecodeCase{"integer", [] { return Value(qint16(-12345)); }},
                      DecodeCase{"long", [] { return Value(qint32(-2000000000)); }},
                      DecodeCase{"double", [] { return Value(-0.125); }},
                      DecodeCase{"string",
                                 [] {
                                     return Value(QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                                    "e\n"));
                                 }},
                      DecodeCase{"nothing", [] { return Value::nothing(); }}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(WireFormatTest, ObjectPathNamesTheSameProxy)
{
    EXPECT_EQ(raw->Invoke("Make", {Value("self")}).toObject(), raw);
    const Values items = raw->Enumerate();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], Value(qint32(1)));
    EXPECT_EQ(items[1], Value("a"));
    EXPECT_EQ(items[2].toObject(), raw);
}

class MalformedReplyTest : public WireFormatTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(MalformedReplyTest, RaisesErrorAndConnectionSurvives)
{
    EXPECT_THROW(raw->Invoke("Make", {Value(GetParam())}), Error);
    std::optional<Error> asyncError;
    std::dynamic_pointer_cast<RemoteObject>(raw)->invokeAsync(
        "Make", {Value(GetParam())}, {}, [&](const Error &e) { asyncError = e; });
    ASSERT_TRUE(waitFor([&] { return asyncError.has_value(); }));
    EXPECT_TRUE(connection->isConnected());
    EXPECT_EQ(raw->Invoke("Make", {Value("long")}), Value(qint32(-2000000000)));
}

INSTANTIATE_TEST_SUITE_P(Replies, MalformedReplyTest,
                         ::testing::Values("byte7", "uint", "int64", "nested", "strings", "bare",
                                           "none", "two"));

TEST_F(WireFormatTest, ErrorReplyTextSplitsAtFirstLineFeed)
{
    try {
        raw->Invoke("Raise", {Value("1004\nApplication-defined\nsecond line")});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 1004);
        EXPECT_EQ(e.description(), "Application-defined\nsecond line");
    }
    try {
        raw->Invoke("Raise", {Value("no number here")});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 440);
        EXPECT_EQ(e.description(), "no number here");
    }
    try {
        raw->Invoke("RaiseOther", {});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 440);
        EXPECT_TRUE(e.description().contains("org.example.Failed"));
    }
}

TEST_F(WireFormatTest, LocalObjectAnswersInWireForm)
{
    auto local = std::make_shared<DispatchObject>();
    local->method("Answer", [](const Values &) { return Value(qint32(42)); });
    local->method("Fail", [](const Values &) -> Value {
        throw Error(9, QStringLiteral("Subscript out of range"));
    });
    const QString path = connection->exportObject(local);
    EXPECT_EQ(callAsync(raw, "CallMe", {Value(path), Value("Answer")}), Value("reply|v|i:42"));
    EXPECT_EQ(callAsync(raw, "CallMe", {Value(path), Value("Fail")}),
              Value("error|ole.Error|9\nSubscript out of range"));
    EXPECT_EQ(callAsync(raw, "CallMe", {Value(path), Value("Missing")}),
              Value("error|ole.Error|438\nObject doesn't support this property or method"));
}

// Starting servers.
TEST_F(RegisteredServerTest, LauncherStartsRegisteredServerAndCreatesObject)
{
    Server server;
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.object);
    EXPECT_GT(server.launcher.processId(), 0);
    EXPECT_TRUE(server.launcher.isRunning());
    EXPECT_TRUE(std::dynamic_pointer_cast<RemoteObject>(server.launch.object));
    EXPECT_EQ(server.launcher.object(), server.launch.object);
    EXPECT_EQ(server.launch.object->Invoke("Echo", {Value("hi")}), Value("hi"));
}

TEST_F(RegisteredServerTest, ServerIsStartedEmbeddedWithPrivateSocket)
{
    Server server;
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.object);
    const QString args = server.launch.object->Invoke("Arguments", {}).toString();
    ASSERT_TRUE(args.startsWith("-Embedding --peer=unix:path=")) << args.toStdString();
    const QString path = args.section("path=", 1).section(',', 0, 0);
    const QFileInfo socketDir(QFileInfo(path).absolutePath());
    EXPECT_TRUE(socketDir.isDir());
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(socketDir.permissions() & owner, owner);
    EXPECT_EQ(socketDir.permissions() & others, QFile::Permissions());
}

TEST_F(RegisteredServerTest, ProgIdMatchesWithoutRegardToCase)
{
    Server server;
    ASSERT_TRUE(server.start("tolvar.testpeer"));
    EXPECT_TRUE(server.launch.object);
}

TEST_F(RegisteredServerTest, UnregisteredProgIdFailsWith429)
{
    Server server;
    ASSERT_TRUE(server.start("Tolvar.NotThere"));
    ASSERT_TRUE(server.launch.error);
    EXPECT_EQ(server.launch.error->number(), 429);
    EXPECT_EQ(server.launcher.processId(), 0);
}

TEST_F(RegisteredServerTest, ServerEndingAtOnceFails)
{
    Server server("exit");
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.error);
    EXPECT_FALSE(server.launch.object);
    ASSERT_TRUE(waitFor([&] { return server.launch.exitCode.has_value(); }));
    EXPECT_EQ(*server.launch.exitCode, 3);
}

TEST_F(RegisteredServerTest, ServerNeverConnectingTimesOutAndIsKilled)
{
    Server server("silent", 300);
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.error);
    EXPECT_TRUE(server.launch.error->description().contains("did not connect"));
    ASSERT_TRUE(waitFor([&] { return server.launch.exitCode.has_value(); }));
    EXPECT_FALSE(server.launcher.isRunning());
}

TEST_F(RegisteredServerTest, MissingExecutableFails)
{
    ASSERT_TRUE(registerLocalServer("Tolvar.Gone", "/nonexistent/dir/server"));
    Server server;
    ASSERT_TRUE(server.start("Tolvar.Gone"));
    ASSERT_TRUE(server.launch.error);
    EXPECT_TRUE(server.launch.error->description().contains("/nonexistent/dir/server"));
}

TEST_F(RegisteredServerTest, CreateObjectErrorFailsWithServersError)
{
    Server server;
    ASSERT_TRUE(server.start("Tolvar.Refuses"));
    ASSERT_TRUE(server.launch.error);
    EXPECT_EQ(server.launch.error->number(), 7);
    EXPECT_EQ(server.launch.error->description(), "Out of memory");
}

TEST_F(RegisteredServerTest, EnvironmentObjectsExportedOnConnectReachTheServer)
{
    Server server;
    auto app = std::make_shared<DispatchObject>();
    app->method("Name", [](const Values &) { return Value("vbhost"); });
    QObject::connect(&server.launcher, &ServerLauncher::connected,
                     [&] { server.launcher.connection()->exportObject(app, "/Application"); });
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.object);
    EXPECT_EQ(callAsync(server.launch.object, "CallBack", {Value(app), Value("Name")}),
              Value("vbhost"));
    EXPECT_EQ(server.launcher.connection()->exportObject(app), "/Application");
}

TEST_F(RegisteredServerTest, RestartRunsAFreshServer)
{
    Server server;
    ASSERT_TRUE(server.start(TestPeer));
    const qint64 first = server.launcher.processId();
    server.launch = {};
    ASSERT_TRUE(server.start(TestPeer));
    ASSERT_TRUE(server.launch.object);
    EXPECT_NE(server.launcher.processId(), first);
    EXPECT_EQ(server.launch.object->Invoke("Echo", {Value(qint16(1))}), Value(qint16(1)));
}

// The class registry.
TEST(RegistryTest, RegisteredPathIsFoundWithoutRegardToCase)
{
    EXPECT_TRUE(registerLocalServer("Vendor.Thing", "/opt/thing/bin/thing"));
    EXPECT_EQ(localServerPath("vendor.thing"), "/opt/thing/bin/thing");
    EXPECT_EQ(localServerPath("Vendor.Other"), QString());
    EXPECT_EQ(localServerPath(""), QString());
    QFile file(QDir(profile::windowsDirectory()).filePath("CLASSES.INI"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[LocalServer32]"));
    EXPECT_TRUE(text.contains("Vendor.Thing=/opt/thing/bin/thing"));
}

TEST(RegistryTest, ReregisteringReplacesPathAndRelativePathsBecomeAbsolute)
{
    EXPECT_TRUE(registerLocalServer("Vendor.Moved", "/old/server"));
    EXPECT_TRUE(registerLocalServer("Vendor.Moved", "relative/server"));
    EXPECT_EQ(localServerPath("Vendor.Moved"), QDir::current().absoluteFilePath("relative/server"));
}

TEST(RegistryTest, FactoryRegistersEveryClass)
{
    ClassFactory factory;
    factory.registerClass("Vendor.A", [] { return std::make_shared<DispatchObject>(); });
    factory.registerClass("Vendor.B", [] { return std::make_shared<DispatchObject>(); });
    EXPECT_TRUE(registerClasses(factory, "/srv/ab"));
    EXPECT_EQ(localServerPath("Vendor.A"), "/srv/ab");
    EXPECT_EQ(localServerPath("Vendor.B"), "/srv/ab");
}

TEST(ClassFactoryTest, CreatesRegisteredClassesOnly)
{
    ClassFactory factory;
    factory.registerClass("Vendor.Thing", [] { return std::make_shared<DispatchObject>(); });
    EXPECT_TRUE(factory.Invoke("createobject", {Value("VENDOR.THING")}).toObject());
    try {
        factory.Invoke("CreateObject", {Value("Vendor.None")});
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 429);
    }
    EXPECT_THROW(factory.Invoke("Other", {}), Error);
}

TEST(LocalServerTest, ReadsEmbeddingAndPeerAddress)
{
    const QStringList args{"tolvar", "-Embedding", "--peer=unix:path=/tmp/x/peer,guid=ab"};
    EXPECT_TRUE(isEmbedding(args));
    EXPECT_EQ(peerAddress(args), "unix:path=/tmp/x/peer,guid=ab");
    EXPECT_EQ(peerAddress({"tolvar", "--peer", "unix:path=/p"}), "unix:path=/p");
    EXPECT_FALSE(isEmbedding({"tolvar"}));
    EXPECT_EQ(peerAddress({"tolvar"}), QString());
}

TEST(LocalServerTest, UnreachablePeerAddressRaises)
{
    EXPECT_THROW(PeerConnection::connectToPeer("unix:path=/nonexistent/socket"), Error);
    EXPECT_THROW(serveEmbedding("", std::make_shared<ClassFactory>()), Error);
}

TEST(WireTest, AddressValuesEscapeReservedBytes)
{
    EXPECT_EQ(wire::escapeAddressValue("/tmp/a b,c=d"), "/tmp/a%20b%2cc%3dd");
}

} // namespace
