#include "addinmanager.h"

#include "ide/model/remoteinvoker.h"
#include "ide/model/workspace.h"
#include "platform/automation/registry.h"
#include "platform/automation/remoteobject.h"
#include "platform/automation/serverlauncher.h"
#include "platform/profile/profile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace vbhost {

using automation::Error;
using automation::ObjectPtr;
using automation::RemoteObject;
using automation::ServerLauncher;

namespace {
// How long a lost connection waits for its process to end before it is reported alone.
constexpr int EndReportWait = 2000;
} // namespace

struct AddInManager::Server
{
    QString progId;
    std::unique_ptr<ServerLauncher> launcher;
    std::shared_ptr<RemoteObject> object; // the add-in's connect object
    State state = State::Unloaded;
    QString error;
    quint64 generation = 0; // one per load, so late replies of an earlier run are ignored
};

AddInManager::AddInManager(Workspace &workspace, QObject *parent)
    : QObject(parent), m_workspace(workspace)
{
    // AfterClick into an add-in process must never wait for it.
    installRemoteInvoker();
}

void AddInManager::retire(std::unique_ptr<ServerLauncher> launcher)
{
    // Not deleted here: this may run inside one of its signals. Kept until the manager goes, so
    // that its process is still ended when the application quits.
    m_retired.push_back(std::move(launcher));
}

AddInManager::~AddInManager()
{
    // The servers end by themselves when their connection closes; one that does not is killed,
    // so that none outlives the environment.
    for (const auto &server : std::as_const(m_servers)) {
        if (server->launcher) {
            server->launcher->disconnect(this);
            server->launcher->stopAndWait(1000);
        }
    }
    for (const auto &launcher : m_retired)
        launcher->stopAndWait(1000);
    m_servers.clear();
    m_retired.clear();
}

bool AddInManager::anyProcessRunning() const
{
    for (const auto &server : std::as_const(m_servers)) {
        if (server->launcher && server->launcher->isRunning())
            return true;
    }
    for (const auto &launcher : m_retired) {
        if (launcher->isRunning())
            return true;
    }
    return false;
}

void AddInManager::disconnectAll(int milliseconds)
{
    const int waitEach = qMin(milliseconds, m_unloadTimeout);
    const int saved = m_unloadTimeout;
    m_unloadTimeout = waitEach;
    for (const auto &server : std::as_const(m_servers)) {
        if (server->state == State::Starting || server->state == State::Loaded)
            disconnectServer(server.get());
    }
    m_unloadTimeout = saved;
    // The add-ins call back while they disconnect (removing their menu items), so the event
    // loop keeps running while they end.
    QEventLoop loop;
    QTimer poll;
    const QDeadlineTimer deadline(milliseconds);
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!anyProcessRunning() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(10);
    if (anyProcessRunning())
        loop.exec();
    for (const auto &server : std::as_const(m_servers)) {
        if (server->state != State::Unloaded)
            serverEnded(server.get(), {});
    }
    for (const auto &launcher : m_retired)
        launcher->stopAndWait(500);
    m_retired.clear();
}

QString AddInManager::iniProblem() const
{
    const QString path = profile::resolvePath(iniFile());
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return tr("%1 is not a regular file").arg(QDir::toNativeSeparators(path));
    return {};
}

QStringList AddInManager::registered() const
{
    return profile::GetProfileKeys(section(), iniFile());
}

QStringList AddInManager::markedLoaded() const
{
    QStringList result;
    for (const QString &key : registered()) {
        QString value;
        profile::GetPrivateProfileString(section(), key, QString(), value, 16, iniFile());
        if (value.trimmed() == QLatin1String("1"))
            result << key;
    }
    return result;
}

QString AddInManager::description(const QString &progId) const
{
    return automation::classDescription(progId);
}

bool AddInManager::registerAddIn(const QString &progId)
{
    QString value;
    const QString missing = QStringLiteral("\x01missing");
    profile::GetPrivateProfileString(section(), progId, missing, value, 64, iniFile());
    if (value != missing)
        return true;
    return profile::WritePrivateProfileString(section(), progId, QStringLiteral("0"), iniFile());
}

AddInManager::Server *AddInManager::find(const QString &progId) const
{
    return m_servers.value(progId.toLower()).get();
}

AddInManager::State AddInManager::state(const QString &progId) const
{
    const Server *s = find(progId);
    return s ? s->state : State::Unloaded;
}

bool AddInManager::isRunning(const QString &progId) const
{
    const State st = state(progId);
    return st == State::Starting || st == State::Loaded;
}

QString AddInManager::lastError(const QString &progId) const
{
    const Server *s = find(progId);
    return s ? s->error : QString();
}

qint64 AddInManager::processId(const QString &progId) const
{
    const Server *s = find(progId);
    return s && s->launcher ? s->launcher->processId() : 0;
}

automation::ObjectPtr AddInManager::addInObject(const QString &progId) const
{
    const Server *s = find(progId);
    return s && isRunning(progId) ? s->object : nullptr;
}

void AddInManager::writeLoaded(const QString &progId, bool loaded)
{
    profile::WritePrivateProfileString(
        section(), progId, loaded ? QStringLiteral("1") : QStringLiteral("0"), iniFile());
}

void AddInManager::setState(Server *server, State state)
{
    if (server->state == state)
        return;
    server->state = state;
    emit stateChanged(server->progId, state);
}

void AddInManager::apply(const QHash<QString, bool> &wanted)
{
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (it.value() && !isRunning(it.key()))
            load(it.key());
        else if (!it.value() && state(it.key()) != State::Unloaded)
            unload(it.key());
        else if (!it.value())
            writeLoaded(it.key(), false);
    }
}

void AddInManager::load(const QString &progId)
{
    if (progId.trimmed().isEmpty() || isRunning(progId))
        return;
    auto &slot = m_servers[progId.toLower()];
    if (!slot) {
        slot = std::make_shared<Server>();
        slot->progId = progId;
    }
    Server *server = slot.get();
    if (server->launcher) {
        // The earlier run is over or on its way out; its process keeps its grace period.
        server->launcher->disconnect(this);
        server->launcher->stop();
        retire(std::move(server->launcher));
    }
    // Items left behind by an earlier run that went away would only say it is gone.
    m_workspace.removeMenuItemsOf(server->progId);
    server->object.reset();
    server->error.clear();
    const quint64 generation = ++server->generation;
    registerAddIn(progId);
    writeLoaded(server->progId, true);

    server->launcher = std::make_unique<ServerLauncher>();
    ServerLauncher *launcher = server->launcher.get();
    connect(launcher, &ServerLauncher::created, this, [this, server, generation](ObjectPtr o) {
        if (generation == server->generation)
            serverCreated(server, o);
    });
    connect(launcher, &ServerLauncher::failed, this, [this, server, generation](const Error &e) {
        if (generation != server->generation || server->state == State::Unloading)
            return;
        serverEnded(server, e.description());
    });
    connect(launcher, &ServerLauncher::finished, this,
            [this, server, generation](int code, int signal) {
                if (generation == server->generation)
                    serverEnded(server,
                                tr("the add-in %1").arg(automation::processEndText(code, signal)));
            });
    connect(launcher, &ServerLauncher::connected, this, [this, server, generation] {
        if (generation != server->generation || !server->launcher)
            return;
        if (auto connection = server->launcher->connection()) {
            connect(connection.get(), &automation::PeerConnection::disconnected, this,
                    [this, server, generation] { connectionLost(server, generation); });
        }
    });
    setState(server, State::Starting);
    launcher->setOwnerWindow(m_ownerWindow);
    launcher->start(server->progId);
}

void AddInManager::connectionLost(Server *server, quint64 generation)
{
    if (generation != server->generation)
        return;
    // Its commands can no longer reach it.
    m_workspace.removeMenuItemsOf(server->progId);
    // A process that ends with its connection tells more (its exit status, or the signal that
    // killed it) than the lost connection does: it gets a moment to do so.
    if (server->launcher && server->launcher->isRunning()) {
        QTimer::singleShot(EndReportWait, this, [this, server, generation] {
            if (generation == server->generation)
                serverEnded(server, tr("the add-in closed its connection to vbhost"));
        });
        return;
    }
    serverEnded(server, tr("the add-in closed its connection to vbhost"));
}

void AddInManager::serverCreated(Server *server, const ObjectPtr &object)
{
    server->object = std::dynamic_pointer_cast<RemoteObject>(object);
    if (!server->object) {
        serverEnded(server, tr("the add-in's object is not remote"));
        return;
    }
    const quint64 generation = server->generation;
    QPointer<AddInManager> self(this);
    // Not waited for: the add-in calls back into the workspace while it connects.
    server->object->invokeAsync(
        QStringLiteral("ConnectAddIn"),
        {automation::Value(m_workspace.application(server->progId))},
        [self, server, generation](const automation::Value &) {
            if (self && generation == server->generation && server->state == State::Starting)
                self->setState(server, State::Loaded);
        },
        [self, server, generation](const Error &e) {
            if (!self || generation != server->generation || server->state != State::Starting)
                return;
            // The add-in is running but its connection routine failed; it stays loaded so
            // that it can still be unloaded cleanly.
            server->error = e.description();
            self->setState(server, State::Loaded);
            emit self->addInFailed(server->progId, e.description());
        });
}

void AddInManager::serverEnded(Server *server, const QString &why)
{
    if (server->state == State::Unloaded)
        return;
    const bool expected = server->state == State::Unloading;
    const bool hadConnected = server->object != nullptr;
    ++server->generation;
    if (server->launcher) {
        server->launcher->disconnect(this);
        // A server that never connected has nothing to finish: it goes at once. Others get
        // the grace period to end by themselves before they are killed.
        if (!server->object)
            server->launcher->setStopGracePeriod(0);
        server->object.reset();
        server->launcher->stop();
        retire(std::move(server->launcher));
    }
    server->object.reset();
    // Its commands would only say it is gone; an add-in that ended normally removed them.
    m_workspace.removeMenuItemsOf(server->progId);
    if (!expected) {
        server->error = why;
        // One that ran and then ended keeps the user's choice to load it; one that never got
        // as far as connecting would fail again at every start.
        if (!hadConnected)
            writeLoaded(server->progId, false);
    }
    setState(server, State::Unloaded);
    if (!expected)
        emit addInFailed(server->progId, why);
}

void AddInManager::unload(const QString &progId)
{
    writeLoaded(progId, false);
    Server *server = find(progId);
    if (!server || server->state == State::Unloaded || server->state == State::Unloading)
        return;
    disconnectServer(server);
}

void AddInManager::disconnectServer(Server *server)
{
    const bool connected = server->object != nullptr;
    setState(server, State::Unloading);
    ServerLauncher *launcher = server->launcher.get();
    if (!connected || !launcher) {
        serverEnded(server, {});
        return;
    }
    server->launcher->setStopGracePeriod(m_unloadTimeout);
    const quint64 generation = server->generation;
    QPointer<ServerLauncher> guard(launcher);
    auto finish = [guard] {
        // The add-in normally ends its own process; closing the connection ends a stubborn one.
        if (guard)
            guard->stop();
    };
    server->object->invokeAsync(
        QStringLiteral("DisconnectAddIn"), {automation::Value(qint16(0))},
        [finish](const automation::Value &) { finish(); }, [finish](const Error &) { finish(); });
    // An add-in that never answers is cut off.
    QTimer::singleShot(m_unloadTimeout, this, [this, server, generation, finish] {
        if (generation == server->generation && server->state == State::Unloading) {
            finish();
            serverEnded(server, {});
        }
    });
}

} // namespace vbhost
