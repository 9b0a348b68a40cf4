// The class registry, the class factory and the server's command line.
#include "platform/automation/classfactory.h"
#include "platform/automation/localserver.h"
#include "platform/automation/peerconnection.h"
#include "platform/automation/registry.h"
#include "platform/profile/profile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace automation;

namespace {

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

TEST(RegistryTest, DescriptionLivesInASectionOfItsOwnAndOutlivesARegistrationWithout)
{
    EXPECT_EQ(classDescription("Vendor.Told"), "");
    EXPECT_TRUE(registerLocalServer("Vendor.Told", "/srv/told", "Vendor's Told Add-In"));
    EXPECT_TRUE(registerLocalServer("Vendor.Told", "/srv/told"));
    EXPECT_EQ(classDescription("vendor.told"), "Vendor's Told Add-In");
    EXPECT_EQ(localServerPath("Vendor.Told"), "/srv/told");
    EXPECT_EQ(profile::GetProfileKeys("LocalServer32", "CLASSES.INI").count("Vendor.Told"), 1);
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
    EXPECT_TRUE(isEmbedding({"tolvar", "--Embedding"}));
    EXPECT_EQ(peerAddress({"tolvar"}), QString());
}

TEST(LocalServerTest, UnreachablePeerAddressRaises)
{
    EXPECT_THROW(PeerConnection::connectToPeer("unix:path=/nonexistent/socket"), Error);
    EXPECT_THROW(serveEmbedding("", std::make_shared<ClassFactory>()), Error);
}

} // namespace
