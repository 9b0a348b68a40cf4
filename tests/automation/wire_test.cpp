// The encoding on the wire, pinned against a peer that spells the protocol out by hand.
#include "peerfixture.h"

#include "platform/automation/wire.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

using namespace automation;
using namespace automation::testing;

namespace {

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

using ValueMaker = Value (*)();
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

TEST(WireTest, AddressValuesEscapeReservedBytes)
{
    EXPECT_EQ(wire::escapeAddressValue("/tmp/a b,c=d"), "/tmp/a%20b%2cc%3dd");
}

} // namespace
