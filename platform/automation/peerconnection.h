#pragma once

#include "object.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <functional>
#include <limits>
#include <memory>

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusVariant;

namespace automation {

class RemoteObject;

// One peer-to-peer D-Bus connection carrying automation calls both ways. Local objects are
// served at object paths of our choosing; the peer's objects are reached through RemoteObject
// proxies. Lives on the GUI thread; everything here runs there.
class PeerConnection : public QObject, public std::enable_shared_from_this<PeerConnection>
{
    Q_OBJECT
public:
    // Calls wait for their reply as long as the peer lives; a dead peer ends them at once.
    static constexpr int NoTimeout = std::numeric_limits<int>::max();

    // Server (add-in) side: connect to the environment's address. Throws Error on failure.
    static std::shared_ptr<PeerConnection> connectToPeer(const QString &address);
    // Environment side: take over a connection a QDBusServer accepted.
    static std::shared_ptr<PeerConnection> adopt(const QDBusConnection &connection);

    ~PeerConnection() override;

    // Serves object at path ("" chooses one). The same object keeps its first path for the life
    // of the connection and stays alive until the connection closes. Throws Error 5 for an
    // invalid path, "/" or a path that already names another object.
    QString exportObject(const ObjectPtr &object, const QString &path = {});
    // The local object served at path, or null.
    ObjectPtr exportedObject(const QString &path) const;
    // The proxy for the peer's object at path: "/" (Nothing) gives null, a path naming one of
    // our own objects gives that object, and the same path gives the same proxy.
    ObjectPtr remoteObject(const QString &path);

    bool isConnected() const;
    // Closes the connection: pending calls fail with Error::disconnected(), exported objects are
    // released, disconnected() is emitted.
    void close();

    QDBusConnection dbusConnection() const { return m_connection; }
    void setCallTimeout(int milliseconds) { m_timeout = milliseconds; }
    int callTimeout() const { return m_timeout; }

    // The wire form of values; local objects are exported on the way out.
    QDBusVariant toWire(const Value &value);
    QVariant toWire(const Values &values);
    // Throws Error 458 for anything but the protocol's value types.
    Value fromWire(const QVariant &variant);
    Values listFromWire(const QVariant &variant);

    // Sends a call and waits for its reply, serving the peer's calls (but not user input) while
    // it waits. Throws the reply's error, or Error::disconnected() when the peer goes away.
    QDBusMessage call(const QDBusMessage &message);
    // Sends a call; exactly one of the callbacks runs later on this thread.
    void callAsync(const QDBusMessage &message, std::function<void(const QDBusMessage &)> onReply,
                   std::function<void(const Error &)> onError);

    // Runs onError with error later on this thread, as callAsync reports.
    void reportLater(std::function<void(const Error &)> onError, const Error &error);

    // The error an error reply stands for.
    Error errorFromReply(const QDBusMessage &reply) const;

signals:
    void disconnected();

private slots:
    void onDisconnected();

private:
    class Dispatcher;
    friend class Dispatcher;
    struct PendingCall
    {
        QDBusPendingCallWatcher *watcher = nullptr;
        std::function<void(const QDBusMessage &)> onReply;
        std::function<void(const Error &)> onError;
    };

    explicit PeerConnection(const QDBusConnection &connection);
    static std::shared_ptr<PeerConnection> create(const QDBusConnection &connection);
    bool handleMessage(const QDBusMessage &message);
    QDBusMessage dispatch(const QDBusMessage &message);
    void finishAsync(quint64 id);
    void shutDown(bool notify);
    QString pathOf(const ObjectPtr &object);

    QDBusConnection m_connection;
    Dispatcher *m_dispatcher = nullptr;
    bool m_closed = false;
    int m_timeout = NoTimeout;
    quint64 m_nextObject = 0;
    quint64 m_nextCall = 0;
    QString m_pathPrefix;
    QHash<QString, ObjectPtr> m_exported;
    QHash<const Object *, QString> m_paths;
    QHash<QString, std::weak_ptr<RemoteObject>> m_proxies;
    qsizetype m_proxyPruneAt = 64;
    QHash<quint64, PendingCall> m_pending;
};

} // namespace automation
