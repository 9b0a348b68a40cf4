#include "peerconnection.h"

#include "remoteobject.h"
#include "wire.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QThread>
#include <QtDebug>
#include <atomic>

namespace automation {

namespace {

const QString LocalPath = QStringLiteral("/org/freedesktop/DBus/Local");
const QString LocalInterface = QStringLiteral("org.freedesktop.DBus.Local");
const QString IntrospectableInterface = QStringLiteral("org.freedesktop.DBus.Introspectable");

const char IntrospectionXml[] =
    R"(<node>
  <interface name="ole.Automation">
    <method name="Invoke">
      <arg name="member" type="s" direction="in"/>
      <arg name="args" type="av" direction="in"/>
      <arg name="result" type="v" direction="out"/>
    </method>
    <method name="Assign">
      <arg name="member" type="s" direction="in"/>
      <arg name="args" type="av" direction="in"/>
      <arg name="value" type="v" direction="in"/>
    </method>
    <method name="Enumerate">
      <arg name="items" type="av" direction="out"/>
    </method>
  </interface>
</node>
)";

void registerTypes()
{
    static std::once_flag once;
    std::call_once(once, [] { qDBusRegisterMetaType<QList<QDBusVariant>>(); });
}

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("tolvar-peer-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

// Runs a caller-supplied callback; its exceptions must not unwind through Qt's event loop.
template <class Fn, class... Args> void runCallback(const Fn &fn, Args &&...args)
{
    if (!fn)
        return;
    try {
        fn(std::forward<Args>(args)...);
    } catch (const std::exception &e) {
        qWarning("automation: uncaught exception in a call-back: %s", e.what());
    } catch (...) {
        qWarning("automation: uncaught exception in a call-back");
    }
}

} // namespace

// One virtual object at "/" serves every path of the connection.
class PeerConnection::Dispatcher : public QDBusVirtualObject
{
public:
    explicit Dispatcher(PeerConnection *owner) : QDBusVirtualObject(owner), m_owner(owner) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        return m_owner->handleMessage(message);
    }

private:
    PeerConnection *m_owner;
};

PeerConnection::PeerConnection(const QDBusConnection &connection) : m_connection(connection)
{
    registerTypes();
    m_pathPrefix = QStringLiteral("/obj/%1/").arg(QCoreApplication::applicationPid());
    m_dispatcher = new Dispatcher(this);
    m_connection.registerVirtualObject(QStringLiteral("/"), m_dispatcher, QDBusConnection::SubPath);
    m_connection.connect(QString(), LocalPath, LocalInterface, QStringLiteral("Disconnected"), this,
                         SLOT(onDisconnected()));
    if (!m_connection.isConnected())
        m_closed = true;
}

PeerConnection::~PeerConnection()
{
    shutDown(false);
}

std::shared_ptr<PeerConnection> PeerConnection::create(const QDBusConnection &connection)
{
    // The last reference may go in a slot of the connection itself: shut the wire at once and
    // leave the QObject to the event loop.
    return std::shared_ptr<PeerConnection>(new PeerConnection(connection), [](PeerConnection *p) {
        p->shutDown(false);
        if (QCoreApplication::instance() && p->thread() == QThread::currentThread() &&
            QAbstractEventDispatcher::instance())
            p->deleteLater();
        else
            delete p;
    });
}

std::shared_ptr<PeerConnection> PeerConnection::connectToPeer(const QString &address)
{
    const QString name = uniqueConnectionName();
    QDBusConnection connection = QDBusConnection::connectToPeer(address, name);
    if (!connection.isConnected()) {
        const QString reason = connection.lastError().message();
        QDBusConnection::disconnectFromPeer(name);
        throw Error(
            Error::disconnected().number(),
            QStringLiteral("Automation error: cannot connect to %1: %2").arg(address, reason));
    }
    return create(connection);
}

std::shared_ptr<PeerConnection> PeerConnection::adopt(const QDBusConnection &connection)
{
    return create(connection);
}

bool PeerConnection::isConnected() const
{
    return !m_closed && m_connection.isConnected();
}

void PeerConnection::close()
{
    if (m_closed && m_exported.isEmpty() && m_pending.isEmpty())
        return;
    auto self = weak_from_this().lock();
    shutDown(true);
}

void PeerConnection::onDisconnected()
{
    auto self = weak_from_this().lock();
    shutDown(true);
}

void PeerConnection::shutDown(bool notify)
{
    const bool wasOpen = !m_closed;
    m_closed = true;
    if (wasOpen) {
        m_connection.disconnect(QString(), LocalPath, LocalInterface,
                                QStringLiteral("Disconnected"), this, SLOT(onDisconnected()));
        m_connection.unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromPeer(m_connection.name());
        // The socket closes only when the last handle on the connection goes.
        m_connection = QDBusConnection(QStringLiteral("tolvar-closed"));
    }
    // Local objects may hold proxies that hold this connection: release them now.
    QHash<QString, ObjectPtr> exported;
    exported.swap(m_exported);
    m_paths.clear();
    QHash<quint64, PendingCall> pending;
    pending.swap(m_pending);
    for (PendingCall &call : pending) {
        call.watcher->deleteLater();
        if (notify)
            runCallback(call.onError, Error::disconnected());
    }
    exported.clear();
    if (notify && wasOpen)
        emit disconnected();
}

QString PeerConnection::exportObject(const ObjectPtr &object, const QString &path)
{
    if (!object)
        return QString::fromLatin1(wire::NothingPath);
    if (!path.isEmpty() && (path == u"/" || !wire::isValidObjectPath(path)))
        throw Error(5, QStringLiteral("Invalid object path: %1").arg(path));
    if (m_closed)
        throw Error::disconnected();
    const QString existing = m_paths.value(object.get());
    if (path.isEmpty() && !existing.isEmpty())
        return existing;
    QString chosen = path;
    if (chosen.isEmpty()) {
        do
            chosen = m_pathPrefix + QString::number(++m_nextObject);
        while (m_exported.contains(chosen));
    }
    const auto it = m_exported.constFind(chosen);
    if (it != m_exported.cend() && it->get() != object.get())
        throw Error(5, QStringLiteral("Object path already in use: %1").arg(chosen));
    m_exported.insert(chosen, object);
    if (existing.isEmpty())
        m_paths.insert(object.get(), chosen);
    return existing.isEmpty() ? chosen : existing;
}

ObjectPtr PeerConnection::exportedObject(const QString &path) const
{
    return m_exported.value(path);
}

ObjectPtr PeerConnection::remoteObject(const QString &path)
{
    if (path.isEmpty() || path == u"/")
        return nullptr;
    if (ObjectPtr local = m_exported.value(path))
        return local;
    if (std::shared_ptr<RemoteObject> proxy = m_proxies.value(path).lock())
        return proxy;
    if (!wire::isValidObjectPath(path))
        throw Error(5, QStringLiteral("Invalid object path: %1").arg(path));
    if (m_proxies.size() >= m_proxyPruneAt) {
        m_proxies.removeIf([](const auto &entry) { return entry.value().expired(); });
        m_proxyPruneAt = std::max<qsizetype>(64, m_proxies.size() * 2);
    }
    auto proxy = std::make_shared<RemoteObject>(shared_from_this(), path);
    m_proxies.insert(path, proxy);
    return proxy;
}

QString PeerConnection::pathOf(const ObjectPtr &object)
{
    if (!object)
        return QString::fromLatin1(wire::NothingPath);
    if (auto *remote = dynamic_cast<RemoteObject *>(object.get());
        remote && remote->connection() == this)
        return remote->path();
    return exportObject(object);
}

bool PeerConnection::handleMessage(const QDBusMessage &message)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    auto self = weak_from_this().lock();
    QDBusMessage reply = dispatch(message);
    if (!m_closed)
        m_connection.send(reply);
    return true;
}

QDBusMessage PeerConnection::dispatch(const QDBusMessage &message)
{
    const QString interface = message.interface();
    const QString member = message.member();
    if (interface == IntrospectableInterface && member == u"Introspect")
        return message.createReply(QString::fromLatin1(IntrospectionXml));
    if (!interface.isEmpty() && interface != QLatin1String(wire::Interface))
        return message.createErrorReply(
            QDBusError::UnknownInterface,
            QStringLiteral("No interface %1 at %2").arg(interface, message.path()));
    const bool isInvoke = member == QLatin1String(wire::InvokeMethod);
    const bool isAssign = member == QLatin1String(wire::AssignMethod);
    const bool isEnumerate = member == QLatin1String(wire::EnumerateMethod);
    if (!isInvoke && !isAssign && !isEnumerate)
        return message.createErrorReply(
            QDBusError::UnknownMethod,
            QStringLiteral("No method %1 in %2").arg(member, QLatin1String(wire::Interface)));

    try {
        const ObjectPtr target = m_exported.value(message.path());
        if (!target)
            throw Error::notSet();
        const QString signature = message.signature();
        const QList<QVariant> arguments = message.arguments();
        if (isEnumerate) {
            if (!signature.isEmpty())
                throw Error::wrongArguments();
            const Values items = target->Enumerate();
            return message.createReply(toWire(items));
        }
        if (signature != QLatin1String(isInvoke ? wire::InvokeSignature : wire::AssignSignature))
            throw Error::wrongArguments();
        const QString name = arguments.at(0).toString();
        const Values args = listFromWire(arguments.at(1));
        if (isInvoke) {
            const Value result = target->Invoke(name, args);
            return message.createReply(QVariant::fromValue(toWire(result)));
        }
        const Value value = fromWire(arguments.at(2).value<QDBusVariant>().variant());
        target->Assign(name, args, value);
        return message.createReply();
    } catch (const Error &e) {
        return message.createErrorReply(QString::fromLatin1(wire::ErrorName), wire::errorText(e));
    } catch (const std::exception &e) {
        return message.createErrorReply(
            QString::fromLatin1(wire::ErrorName),
            wire::errorText(Error(
                440,
                QStringLiteral("Automation error: %1").arg(QString::fromLocal8Bit(e.what())))));
    } catch (...) {
        return message.createErrorReply(QString::fromLatin1(wire::ErrorName),
                                        wire::errorText(Error(440, "Automation error")));
    }
}

Error PeerConnection::errorFromReply(const QDBusMessage &reply) const
{
    const QString name = reply.errorName();
    if (name == QLatin1String(wire::ErrorName))
        return wire::errorFromText(reply.errorMessage());
    if (!isConnected() || name == u"org.freedesktop.DBus.Error.Disconnected")
        return Error::disconnected();
    if (name == u"org.freedesktop.DBus.Error.UnknownMethod" ||
        name == u"org.freedesktop.DBus.Error.UnknownInterface")
        return Error::memberNotFound();
    if (name == u"org.freedesktop.DBus.Error.UnknownObject")
        return Error::notSet();
    if (name == u"org.freedesktop.DBus.Error.NoReply" ||
        name == u"org.freedesktop.DBus.Error.Timeout")
        return Error(-2147417825,
                     QStringLiteral("Automation error: the peer did not answer in time"));
    return Error(440, QStringLiteral("Automation error: %1: %2").arg(name, reply.errorMessage()));
}

QDBusMessage PeerConnection::call(const QDBusMessage &message)
{
    if (!isConnected())
        throw Error::disconnected();
    auto self = shared_from_this();
    QDBusPendingCall pending = m_connection.asyncCall(message, m_timeout);
    if (!pending.isFinished()) {
        QDBusPendingCallWatcher watcher(pending);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        QObject::connect(this, &PeerConnection::disconnected, &loop, &QEventLoop::quit);
        if (!pending.isFinished() && isConnected())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!pending.isFinished())
        throw Error::disconnected();
    const QDBusMessage reply = pending.reply();
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw errorFromReply(reply);
    return reply;
}

void PeerConnection::callAsync(const QDBusMessage &message,
                               std::function<void(const QDBusMessage &)> onReply,
                               std::function<void(const Error &)> onError)
{
    if (!isConnected()) {
        reportLater(std::move(onError), Error::disconnected());
        return;
    }
    const quint64 id = ++m_nextCall;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(message, m_timeout), this);
    m_pending.insert(id, PendingCall{watcher, std::move(onReply), std::move(onError)});
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [this, id] { finishAsync(id); });
}

void PeerConnection::reportLater(std::function<void(const Error &)> onError, const Error &error)
{
    QMetaObject::invokeMethod(
        this, [onError = std::move(onError), error] { runCallback(onError, error); },
        Qt::QueuedConnection);
}

void PeerConnection::finishAsync(quint64 id)
{
    const auto it = m_pending.find(id);
    if (it == m_pending.end())
        return;
    const PendingCall call = std::move(*it);
    m_pending.erase(it);
    call.watcher->deleteLater();
    auto self = weak_from_this().lock();
    const QDBusMessage reply = call.watcher->reply();
    if (reply.type() == QDBusMessage::ReplyMessage)
        runCallback(call.onReply, reply);
    else
        runCallback(call.onError, errorFromReply(reply));
}

} // namespace automation
