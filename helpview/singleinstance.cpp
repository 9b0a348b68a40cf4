#include "singleinstance.h"

#include "instancename.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace helpview {

namespace {

constexpr int WaitMs = 5000;

bool handOver(const QString &path, const HelpRequest &request)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(WaitMs))
        return false;
    socket.write(encodeRequest(request));
    if (!socket.waitForBytesWritten(WaitMs))
        return false;
    // The viewer answers once it has shown the topic.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(WaitMs))
            return false;
    }
    return socket.readLine().trimmed() == "ok";
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::Role SingleInstance::claim(const HelpRequest &request, QString *warning)
{
    m_file = request.file;
    const QString folder = instanceFolder(warning);
    if (folder.isEmpty())
        return Viewer;
    const QString path = instanceSocketPath(folder, request.file);

    // Two viewers starting together must not both listen: the lock orders them.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(WaitMs * 2);
    if (!lock.tryLock(WaitMs * 2)) {
        *warning = path + QStringLiteral(".lock: cannot be taken");
        return Viewer;
    }
    if (handOver(path, request))
        return Forwarded;

    // Nobody answered: what stands there is left over from a viewer that ended.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    if (!m_server->listen(path)) {
        *warning = path + QStringLiteral(": ") + m_server->errorString();
        return Viewer;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::serve);
    return Viewer;
}

void SingleInstance::serve()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 256)
                    socket->abort();
                return;
            }
            const auto request = decodeRequest(socket->readLine(), m_file);
            if (request)
                emit requestReceived(*request);
            socket->write(request ? "ok\n" : "bad\n");
            socket->disconnectFromServer();
        });
    }
}

} // namespace helpview
