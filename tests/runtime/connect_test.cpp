#include "menuenvironment.h"

#include "addin/runtime/connect.h"
#include "addin/runtime/hostapp.h"

#include "fakeservices.h"

#include <gtest/gtest.h>

using automation::Error;
using automation::Value;
using tolvar::Connect;
using tolvar::testing::MenuEnvironment;

namespace {

class ConnectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tolvar::HostApp = Value();
        tolvar::setToolWindowLoader([this] { ++loads; });
    }
    void TearDown() override { tolvar::setToolWindowLoader({}); }

    QStringList prompts() const
    {
        QStringList found;
        for (const auto &call : fake.callsTo("MsgBox"))
            found.append(call.args.at(0).toString());
        return found;
    }

    ui::FakeServices fake;
    ui::ScopedServices scoped{&fake};
    MenuEnvironment env;
    std::shared_ptr<Connect> connect = std::make_shared<Connect>();
    int loads = 0;
};

TEST_F(ConnectTest, ConnectAddsCommandAndConnectsItsClicks)
{
    connect->Invoke("ConnectAddIn", {env.application()});

    EXPECT_EQ(env.calls, QStringList({"AddInMenu", "MenuItems",
                                      "Add(Vantix Software's Tolvar Add-In)", "ConnectEvents"}));
    ASSERT_EQ(env.items.size(), 1);
    ASSERT_EQ(env.items[0].handlers.size(), 1);
    EXPECT_EQ(env.items[0].handlers[0].second, connect);
    EXPECT_EQ(tolvar::HostApp, env.application());
    EXPECT_EQ(connect->MenuCommand(), env.items[0].object);
    EXPECT_EQ(connect->MenuConnectId(), env.items[0].handlers[0].first);
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(ConnectTest, SecondConnectAddsSecondItemAndDisconnectRemovesOnlyIt)
{
    connect->ConnectAddIn(env.application());
    connect->ConnectAddIn(env.application());
    ASSERT_EQ(env.items.size(), 2);
    const qint32 secondId = env.items[1].handlers[0].first;
    env.calls.clear();

    EXPECT_THROW(connect->Invoke("DisconnectAddIn", {Value(qint16(0))}), ui::ProcessEnded);

    EXPECT_EQ(env.calls,
              QStringList({QStringLiteral("DisconnectEvents(%1)").arg(secondId), "Remove(1)"}));
    ASSERT_EQ(env.items.size(), 1);
    EXPECT_EQ(env.items[0].handlers.size(), 1); // the first stays connected
    EXPECT_EQ(fake.callsTo("EndProcess").size(), 1);
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(ConnectTest, DisconnectBeforeConnectShowsNothingAndEnds)
{
    EXPECT_THROW(connect->Invoke("disconnectaddin", {Value(qint16(1))}), ui::ProcessEnded);
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(fake.callsTo("EndProcess").size(), 1);
}

TEST_F(ConnectTest, DisconnectEndsEvenWhenEnvironmentRefusesBoth)
{
    connect->ConnectAddIn(env.application());
    env.items[0].handlers.clear(); // DisconnectEvents now fails
    env.items[0].object = Value(std::make_shared<automation::DispatchObject>()); // Remove fails
    EXPECT_THROW(connect->DisconnectAddIn(0), ui::ProcessEnded);
    EXPECT_TRUE(prompts().isEmpty());
}

struct EnvironmentFailure
{
    const char *name;
    bool atAdd;
    qint32 number;
    const char *description;
    const char *prompt;
    qsizetype itemsLeft; // an item added before a failing ConnectEvents stays
};

class ConnectFailureTest : public ConnectTest,
                           public ::testing::WithParamInterface<EnvironmentFailure>
{
};

TEST_P(ConnectFailureTest, ReportsEnvironmentError)
{
    const EnvironmentFailure &f = GetParam();
    const Error error(f.number, QString::fromUtf8(f.description));
    if (f.atAdd)
        env.failAdd = error;
    else
        env.failConnectEvents = error;

    connect->ConnectAddIn(env.application());

    ASSERT_EQ(fake.callsTo("MsgBox").size(), 1);
    const auto box = fake.callsTo("MsgBox").at(0).args;
    EXPECT_EQ(box.at(0).toString(), QString::fromUtf8(f.prompt));
    EXPECT_EQ(box.at(1).toInt(), 64);
    EXPECT_EQ(box.at(2).toString(), "Vantix Software Tolvar Add-In");
    EXPECT_EQ(env.items.size(), f.itemsLeft);
    EXPECT_EQ(tolvar::HostApp, env.application()); // what was done before stays done
}

INSTANTIATE_TEST_SUITE_P(
    ConnectTest, ConnectFailureTest,
    ::testing::Values(
        EnvironmentFailure{"AddRefused", true, 5, "Invalid procedure call or argument",
                           "Error Number: 5\r\nInvalid procedure call or argument", 0},
        EnvironmentFailure{"ConnectEventsRefused", false, -2147467259, "Unspecified error",
                           "Error Number: -2147467259\r\nUnspecified error", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConnectTest, ConnectWithNothingReportsObjectNotSet)
{
    connect->ConnectAddIn(Value::nothing());
    EXPECT_EQ(prompts(),
              QStringList({"Error Number: 91\r\nObject variable or With block variable not set"}));
}

TEST_F(ConnectTest, ClickCallsLoaderEachTime)
{
    connect->ConnectAddIn(env.application());
    env.click(0);
    env.click(0);
    EXPECT_EQ(loads, 2); // the loader itself decides that a loaded window stays as it is
}

TEST_F(ConnectTest, UnknownMemberAndWrongArgumentsRaise)
{
    try {
        connect->Invoke("Frobnicate", {});
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 438);
    }
    try {
        connect->Invoke("ConnectAddIn", {});
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), 450);
    }
}

} // namespace
