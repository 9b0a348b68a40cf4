#include "localserver.h"

#include "registry.h"
#include "wire.h"

#include <QCoreApplication>

namespace automation {

bool registerClasses(const ClassFactory &factory, const QString &exePath)
{
    bool ok = true;
    for (const QString &progId : factory.progIds())
        ok = registerLocalServer(progId, exePath) && ok;
    return ok;
}

std::shared_ptr<PeerConnection> serveEmbedding(const QString &address,
                                               const std::shared_ptr<ClassFactory> &factory)
{
    if (address.isEmpty())
        throw Error(5, QStringLiteral("No peer address given (--peer=ADDRESS)"));
    auto connection = PeerConnection::connectToPeer(address);
    connection->exportObject(factory, QString::fromLatin1(wire::ClassFactoryPath));
    QObject::connect(
        connection.get(), &PeerConnection::disconnected, qApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    return connection;
}

} // namespace automation
