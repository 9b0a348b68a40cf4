#include "localserver.h"

#include "registry.h"
#include "wire.h"

#include <QCoreApplication>

namespace automation {

bool isEmbedding(const QStringList &arguments)
{
    for (const QString &a : arguments.mid(1)) {
        if (a.compare(u"-Embedding", Qt::CaseInsensitive) == 0 ||
            a.compare(u"/Embedding", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString peerAddress(const QStringList &arguments)
{
    const QString option = QStringLiteral("--peer");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a.startsWith(option + u'='))
            return a.mid(option.size() + 1);
        if (a == option && i + 1 < arguments.size())
            return arguments.at(i + 1);
    }
    return {};
}

quintptr ownerWindow(const QStringList &arguments)
{
    const QString option = QStringLiteral("--owner-window=");
    for (const QString &a : arguments.mid(1)) {
        if (a.startsWith(option))
            return QStringView(a).mid(option.size()).toULongLong();
    }
    return 0;
}

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
