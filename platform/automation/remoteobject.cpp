#include "remoteobject.h"

#include "peerconnection.h"
#include "wire.h"

#include <QDBusVariant>

namespace automation {

namespace {

Error malformedReply()
{
    return {440, QStringLiteral("Automation error: malformed reply")};
}

} // namespace

RemoteObject::RemoteObject(std::shared_ptr<PeerConnection> connection, QString path)
    : m_connection(std::move(connection)), m_path(std::move(path))
{}

QDBusMessage RemoteObject::message(const char *method) const
{
    return QDBusMessage::createMethodCall(QString(), m_path, QString::fromLatin1(wire::Interface),
                                          QString::fromLatin1(method));
}

namespace {

Value resultOf(PeerConnection &connection, const QDBusMessage &reply)
{
    if (reply.signature() != u"v")
        throw malformedReply();
    return connection.fromWire(reply.arguments().at(0).value<QDBusVariant>().variant());
}

Values itemsOf(PeerConnection &connection, const QDBusMessage &reply)
{
    if (reply.signature() != u"av")
        throw malformedReply();
    return connection.listFromWire(reply.arguments().at(0));
}

// Calls without waiting and hands on the reply as decode reads it; a reply it refuses goes to
// onError like an error reply.
template <class T>
void callDecoding(PeerConnection &connection, const QDBusMessage &msg,
                  T (*decode)(PeerConnection &, const QDBusMessage &),
                  std::function<void(const T &)> onResult,
                  std::function<void(const Error &)> onError)
{
    PeerConnection *peer = &connection;
    connection.callAsync(
        msg,
        [peer, decode, onResult = std::move(onResult), onError](const QDBusMessage &reply) {
            T decoded;
            try {
                decoded = decode(*peer, reply);
            } catch (const Error &e) {
                if (onError)
                    onError(e);
                return;
            }
            if (onResult)
                onResult(decoded);
        },
        onError);
}

} // namespace

Value RemoteObject::Invoke(const QString &member, const Values &args)
{
    QDBusMessage msg = message(wire::InvokeMethod);
    msg << member << m_connection->toWire(args);
    return resultOf(*m_connection, m_connection->call(msg));
}

void RemoteObject::Assign(const QString &member, const Values &args, const Value &value)
{
    QDBusMessage msg = message(wire::AssignMethod);
    msg << member << m_connection->toWire(args) << QVariant::fromValue(m_connection->toWire(value));
    m_connection->call(msg);
}

Values RemoteObject::Enumerate()
{
    return itemsOf(*m_connection, m_connection->call(message(wire::EnumerateMethod)));
}

void RemoteObject::invokeAsync(const QString &member, const Values &args,
                               std::function<void(const Value &)> onResult,
                               std::function<void(const Error &)> onError)
{
    QDBusMessage msg = message(wire::InvokeMethod);
    try {
        msg << member << m_connection->toWire(args);
    } catch (const Error &e) {
        m_connection->reportLater(std::move(onError), e);
        return;
    }
    callDecoding(*m_connection, msg, resultOf, std::move(onResult), std::move(onError));
}

void RemoteObject::assignAsync(const QString &member, const Values &args, const Value &value,
                               std::function<void()> onDone,
                               std::function<void(const Error &)> onError)
{
    QDBusMessage msg = message(wire::AssignMethod);
    try {
        msg << member << m_connection->toWire(args)
            << QVariant::fromValue(m_connection->toWire(value));
    } catch (const Error &e) {
        m_connection->reportLater(std::move(onError), e);
        return;
    }
    m_connection->callAsync(
        msg,
        [onDone = std::move(onDone)](const QDBusMessage &) {
            if (onDone)
                onDone();
        },
        std::move(onError));
}

void RemoteObject::enumerateAsync(std::function<void(const Values &)> onResult,
                                  std::function<void(const Error &)> onError)
{
    callDecoding(*m_connection, message(wire::EnumerateMethod), itemsOf, std::move(onResult),
                 std::move(onError));
}

} // namespace automation
