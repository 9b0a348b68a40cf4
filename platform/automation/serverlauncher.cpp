#include "serverlauncher.h"

#include "classfactory.h"
#include "registry.h"
#include "remoteobject.h"
#include "wire.h"

#include <QCoreApplication>
#include <QDBusServer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

namespace automation {

namespace {

// Longest socket path a sockaddr_un holds, less its terminating zero.
constexpr int MaxSocketPath = 107;

Error startError(const QString &what)
{
    return Error(-2146959355, QStringLiteral("Automation error: %1").arg(what));
}

} // namespace

QString processEndText(int exitCode, int signal)
{
    if (signal == 0)
        return QStringLiteral("ended by itself with exit status %1").arg(exitCode);
    const char *name = ::sigabbrev_np(signal);
    return name ? QStringLiteral("ended: killed by SIG%1").arg(QLatin1String(name))
                : QStringLiteral("ended: killed by signal %1").arg(signal);
}

ServerLauncher::ServerLauncher(QObject *parent) : QObject(parent)
{
    m_connectTimer = new QTimer(this);
    m_connectTimer->setSingleShot(true);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        fail(startError(QStringLiteral("the server %1 did not connect in time").arg(m_progId)));
        stop();
    });
}

ServerLauncher::~ServerLauncher()
{
    m_settled = true;
    if (m_connection)
        m_connection->close();
    m_connection.reset();
    releaseProcess();
    m_socketDir.reset();
}

qint64 ServerLauncher::processId() const
{
    return m_process ? m_process->processId() : 0;
}

bool ServerLauncher::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void ServerLauncher::start(const QString &progId)
{
    if (m_process || m_connection)
        stop();
    releaseProcess();
    const quint64 generation = ++m_generation;
    m_progId = progId;
    m_object.reset();
    m_settled = false;

    const QString exe = localServerPath(progId);
    if (exe.isEmpty()) {
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                fail(cannotCreateObject());
        });
        return;
    }

    // The socket lives in a directory only this user can enter.
    m_socketDir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tolvar-XXXXXX"));
    const QString socketPath = m_socketDir->filePath(QStringLiteral("peer"));
    QString problem;
    if (!m_socketDir->isValid())
        problem =
            QStringLiteral("cannot create a private folder: %1").arg(m_socketDir->errorString());
    else if (!QFile::setPermissions(m_socketDir->path(),
                                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        problem = QStringLiteral("cannot protect %1").arg(m_socketDir->path());
    else if (socketPath.toLocal8Bit().size() > MaxSocketPath)
        problem = QStringLiteral("socket path too long: %1").arg(socketPath);
    if (problem.isEmpty()) {
        m_server = new QDBusServer(
            QStringLiteral("unix:path=") + wire::escapeAddressValue(socketPath), this);
        if (!m_server->isConnected())
            problem = QStringLiteral("cannot listen on %1: %2")
                          .arg(socketPath, m_server->lastError().message());
    }
    if (!problem.isEmpty()) {
        QTimer::singleShot(0, this, [this, generation, problem] {
            if (generation == m_generation)
                fail(startError(problem));
        });
        return;
    }
    connect(m_server, &QDBusServer::newConnection, this, &ServerLauncher::onNewConnection);

    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->setProgram(exe);
    QStringList arguments{QStringLiteral("-Embedding"),
                          QStringLiteral("--peer=") + m_server->address()};
    if (m_ownerWindow)
        arguments << QStringLiteral("--owner-window=%1").arg(m_ownerWindow);
    m_process->setArguments(arguments);
    // After a crash the exit code is the number of the signal that ended the process.
    connect(m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        onProcessFinished(code, status == QProcess::CrashExit);
    });
    connect(m_process, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error) { onProcessError(error); });
    m_connectTimer->start(m_connectTimeout);
    m_createDeadline.setRemainingTime(m_connectTimeout);
    m_process->start();
}

void ServerLauncher::onNewConnection(const QDBusConnection &connection)
{
    if (m_connection || m_settled) {
        // One client per server: later connections on the socket are refused.
        QDBusConnection::disconnectFromPeer(connection.name());
        return;
    }
    m_connectTimer->stop();
    m_connection = PeerConnection::adopt(connection);
    const quint64 generation = m_generation;
    connect(m_connection.get(), &PeerConnection::disconnected, this, [this, generation] {
        if (generation == m_generation && !m_settled)
            fail(Error::disconnected());
    });
    emit connected();
    if (generation != m_generation || !m_connection)
        return;
    requestObject(generation);
}

void ServerLauncher::requestObject(quint64 generation)
{
    if (generation != m_generation || m_settled || !m_connection)
        return;
    auto factory = std::dynamic_pointer_cast<RemoteObject>(
        m_connection->remoteObject(QString::fromLatin1(wire::ClassFactoryPath)));
    if (!factory) {
        fail(cannotCreateObject());
        return;
    }
    factory->invokeAsync(
        QString::fromLatin1(wire::CreateObjectMember), {Value(m_progId)},
        [this, generation](const Value &result) {
            if (generation != m_generation || m_settled)
                return;
            ObjectPtr object = result.isObject() ? result.toObject() : nullptr;
            if (!object) {
                fail(cannotCreateObject());
                return;
            }
            m_object = object;
            m_settled = true;
            emit created(object);
        },
        [this, generation](const Error &error) {
            if (generation != m_generation)
                return;
            // The server may take a moment after connecting to export its class factory.
            if (error.number() == Error::notSet().number() && !m_createDeadline.hasExpired()) {
                QTimer::singleShot(20, this, [this, generation] { requestObject(generation); });
                return;
            }
            fail(error);
        });
}

void ServerLauncher::onProcessFinished(int exitCode, bool killed)
{
    const int code = killed ? -1 : exitCode;
    const int signal = killed ? exitCode : 0;
    if (!m_settled)
        fail(startError(QStringLiteral("the server %1 %2, before it created the object")
                            .arg(m_progId, processEndText(code, signal))));
    m_connectTimer->stop();
    if (m_process) {
        m_process->deleteLater();
        m_process = nullptr;
    }
    emit finished(code, signal);
}

void ServerLauncher::onProcessError(int error)
{
    if (error != QProcess::FailedToStart)
        return;
    m_connectTimer->stop();
    fail(startError(
        QStringLiteral("cannot start %1: %2").arg(m_process->program(), m_process->errorString())));
}

void ServerLauncher::fail(const Error &error)
{
    if (m_settled)
        return;
    m_settled = true;
    emit failed(error);
}

void ServerLauncher::stop()
{
    ++m_generation;
    m_settled = true;
    m_connectTimer->stop();
    if (m_connection) {
        auto connection = std::move(m_connection);
        connection->close();
    }
    m_object.reset();
    if (m_process && m_process->state() != QProcess::NotRunning) {
        QProcess *process = m_process;
        QTimer::singleShot(m_gracePeriod, process, [process] {
            if (process->state() != QProcess::NotRunning)
                process->kill();
        });
    }
    if (m_server) {
        m_server->deleteLater();
        m_server = nullptr;
    }
    m_socketDir.reset();
}

void ServerLauncher::stopAndWait(int milliseconds)
{
    stop();
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning && !m_process->waitForFinished(milliseconds)) {
        m_process->kill();
        m_process->waitForFinished(milliseconds);
    }
    delete m_process;
    m_process = nullptr;
}

void ServerLauncher::releaseProcess()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // The server ends by itself once its connection is gone; give it time to finish its work.
    // The process object outlives this launcher so that the grace period still applies.
    process->setParent(nullptr);
    if (QCoreApplication *app = QCoreApplication::instance())
        process->setParent(app);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QTimer::singleShot(m_gracePeriod, process, [process] {
        if (process->state() != QProcess::NotRunning)
            process->kill();
    });
}

} // namespace automation
