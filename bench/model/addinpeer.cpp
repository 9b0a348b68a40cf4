// The far end of the object model benchmark: an add-in stand-in that, asked to "Run", makes
// blocking calls into the environment's objects as an add-in does and times them itself.
#include "platform/automation/localserver.h"
#include "platform/automation/peerconnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace automation;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::shared_ptr<PeerConnection> bridge;
    try {
        bridge = PeerConnection::connectToPeer(peerAddress(app.arguments()));
    } catch (const Error &e) {
        qWarning("addinpeer: %s", e.what());
        return 2;
    }
    auto runner = std::make_shared<DispatchObject>();
    // Run(target, member, argument, count): count calls of target.member(argument); returns
    // the nanoseconds they took together.
    runner->method("Run", [](const Values &args) {
        const Value target = args.value(0);
        const QString member = args.value(1).toString();
        const Values callArgs = args.value(2).isEmpty() ? Values{} : Values{args.value(2)};
        const qint32 count = args.value(3).toLong();
        QElapsedTimer t;
        t.start();
        for (qint32 i = 0; i < count; ++i)
            invoke(target, member, callArgs);
        return Value(double(t.nsecsElapsed()));
    });
    bridge->exportObject(runner, QStringLiteral("/runner"));
    QObject::connect(bridge.get(), &PeerConnection::disconnected, &app, &QCoreApplication::quit);
    return app.exec();
}
