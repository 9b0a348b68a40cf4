// Starting servers registered in the class registry.
#include "peerfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace automation;
using namespace automation::testing;

namespace {

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

} // namespace
