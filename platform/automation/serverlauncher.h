#pragma once

#include "peerconnection.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <memory>

class QDBusServer;
class QProcess;
class QTemporaryDir;
class QTimer;

namespace automation {

// Environment side: starts the registered server of a class and creates one object of it.
// Never blocks: the outcome arrives as created() or failed(), exactly one of them per start().
class ServerLauncher : public QObject
{
    Q_OBJECT
public:
    explicit ServerLauncher(QObject *parent = nullptr);
    ~ServerLauncher() override;

    // Looks up progId in the class registry, listens on a socket in a private directory, starts
    // "EXE -Embedding --peer=ADDRESS", waits for the connection, then creates the object through
    // the server's /ClassFactory. A launcher runs one server at a time: start() stops the last.
    void start(const QString &progId);
    // Closes the connection, after which the server ends by itself; it is killed when it is still
    // running after the grace period.
    void stop();
    // stop(), then waits at most wait for the server to end and kills it if it has not: no
    // process and no socket folder are left when this returns.
    void stopAndWait(int milliseconds);

    std::shared_ptr<PeerConnection> connection() const { return m_connection; }
    ObjectPtr object() const { return m_object; }
    QString progId() const { return m_progId; }
    qint64 processId() const;
    bool isRunning() const;

    // The environment's main window, passed as --owner-window=ID so that the server's windows
    // stay above it; 0 passes nothing.
    void setOwnerWindow(quintptr id) { m_ownerWindow = id; }
    void setConnectTimeout(int milliseconds) { m_connectTimeout = milliseconds; }
    void setStopGracePeriod(int milliseconds) { m_gracePeriod = milliseconds; }

signals:
    // The server connected; environment objects can be exported before the object is created.
    void connected();
    void created(automation::ObjectPtr object);
    // Not registered, failed to start, no connection in time, ended early, CreateObject failed.
    void failed(const automation::Error &error);
    // The server process ended: its exit status, or -1 and the signal that killed it.
    void finished(int exitCode, int signal);

private:
    void fail(const Error &error);
    void onNewConnection(const QDBusConnection &connection);
    void requestObject(quint64 generation);
    void onProcessFinished(int exitCode, bool killed);
    void onProcessError(int error);
    void releaseProcess();

    QString m_progId;
    std::unique_ptr<QTemporaryDir> m_socketDir;
    QDBusServer *m_server = nullptr;
    QProcess *m_process = nullptr;
    QTimer *m_connectTimer = nullptr;
    std::shared_ptr<PeerConnection> m_connection;
    ObjectPtr m_object;
    bool m_settled = true; // created() or failed() was emitted for the current start()
    quintptr m_ownerWindow = 0;
    int m_connectTimeout = 30000;
    int m_gracePeriod = 5000;
    quint64 m_generation = 0;
    QDeadlineTimer m_createDeadline;
};

} // namespace automation

namespace automation {
// How a process ended, as people read it: "ended by itself with exit status 3", or with the
// signal's name, "ended: killed by SIGKILL".
QString processEndText(int exitCode, int signal);
} // namespace automation

Q_DECLARE_METATYPE(automation::ObjectPtr)
