// Values and errors cross the peer connection unchanged, both ways.
#include "peerfixture.h"

using namespace automation;
using namespace automation::testing;

namespace {

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

} // namespace
