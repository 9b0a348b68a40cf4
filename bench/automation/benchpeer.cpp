// The far end of the automation benchmark: one bridge connection serving "/bench" and one bare
// QtDBus connection serving a plain QObject at "/bare".
#include "platform/automation/localserver.h"
#include "platform/automation/peerconnection.h"

#include <QCoreApplication>
#include <QDBusConnection>

class Pinger : public QObject
{
    Q_OBJECT
public slots:
    int Ping(int value) { return value; }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString bare;
    for (const QString &a : args) {
        if (a.startsWith(QStringLiteral("--bare=")))
            bare = a.mid(7);
    }
    auto object = std::make_shared<automation::DispatchObject>();
    object->method("Ping", [](const automation::Values &v) { return v.value(0); });
    std::shared_ptr<automation::PeerConnection> bridge;
    try {
        bridge = automation::PeerConnection::connectToPeer(automation::peerAddress(args));
    } catch (const automation::Error &e) {
        qWarning("benchpeer: %s", e.what());
        return 2;
    }
    bridge->exportObject(object, QStringLiteral("/bench"));
    QObject::connect(bridge.get(), &automation::PeerConnection::disconnected, &app,
                     &QCoreApplication::quit);

    Pinger pinger;
    QDBusConnection plain = QDBusConnection::connectToPeer(bare, QStringLiteral("bare"));
    plain.registerObject(QStringLiteral("/bare"), &pinger, QDBusConnection::ExportAllSlots);
    return app.exec();
}

#include "benchpeer.moc"
