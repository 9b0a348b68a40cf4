// The object model served to an add-in in another process over the peer connection, and the
// Add-Ins menu calling that add-in without waiting for it.
#include "ide/model/remoteinvoker.h"
#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"
#include "projectfixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>

using automation::Error;
using automation::ObjectPtr;
using automation::RemoteObject;
using automation::Value;
using automation::Values;
using vbhost::Workspace;

namespace {

template <class Pred> bool waitFor(Pred done, int guardMs = 30000)
{
    QDeadlineTimer deadline(guardMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// The environment's way of calling an add-in: asynchronously, serving its calls meanwhile.
Value callAsync(const ObjectPtr &target, const QString &member, const Values &args)
{
    auto remote = std::dynamic_pointer_cast<RemoteObject>(target);
    std::optional<Value> value;
    std::optional<Error> error;
    remote->invokeAsync(
        member, args, [&](const Value &v) { value = v; }, [&](const Error &e) { error = e; });
    if (!waitFor([&] { return value || error; }))
        throw std::runtime_error("no answer");
    if (error)
        throw *error;
    return *value;
}

} // namespace

class RemoteModelTest : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        const QString exe = QCoreApplication::applicationDirPath() + "/automation_testpeer";
        if (!QFileInfo::exists(exe))
            GTEST_SKIP() << "the bridge's test peer is not built";
        qputenv("TOLVAR_TESTPEER_MODE", "");
        ASSERT_TRUE(automation::registerLocalServer("Tolvar.TestPeer", exe));
        QObject::connect(&launcher, &automation::ServerLauncher::created,
                         [this](const ObjectPtr &o) { peer = o; });
        QObject::connect(&launcher, &automation::ServerLauncher::failed,
                         [this](const Error &e) { failure = e; });
        launcher.setStopGracePeriod(2000);
        launcher.start("Tolvar.TestPeer");
        ASSERT_TRUE(waitFor([this] { return peer || failure; }));
        ASSERT_TRUE(peer) << failure->description().toStdString();
        vbhost::installRemoteInvoker();
    }
    void TearDown() override
    {
        launcher.stop();
        waitFor([this] { return !launcher.isRunning(); }, 5000);
    }

    automation::ServerLauncher launcher;
    ObjectPtr peer;
    std::optional<Error> failure;
};

TEST_F(RemoteModelTest, AfterClickGoesOutWithoutWaitingAndItsErrorComesBackLater)
{
    QSignalSpy errors(&ws, &Workspace::handlerError);
    const Value items = call(call(app, "AddInMenu"), "MenuItems");
    const Value item = call(items, "Add", {"Far"});
    call(item, "ConnectEvents", {Value(peer)});
    ws.chooseMenuItem(ws.addInMenuItems()[0].id);
    EXPECT_EQ(errors.count(), 0); // returned before the add-in answered
    ASSERT_TRUE(waitFor([&] { return errors.count() > 0; }));
    EXPECT_EQ(errors[0][0].toString(), u"Test.connect");
    EXPECT_EQ(errors[0][1].toInt(), 438); // the stand-in add-in has no AfterClick
}

TEST_F(RemoteModelTest, AnAddInInAnotherProcessChangesTheProject)
{
    const Value before = callAsync(peer, "CallBack", {project(), "AddFormTemplate"});
    EXPECT_TRUE(before.toObject());
    ASSERT_EQ(ws.documents().size(), 3);
    EXPECT_EQ(ws.documents()[2].name, u"Form2");
    const Value form = activateForm1();
    EXPECT_EQ(callAsync(peer, "CallBackError", {form, "Properties", "NoSuchThing"}),
              Value("422|Property not found"));
}
