// The other end of the automation tests: a server started as "testpeer -Embedding --peer=ADDRESS".
// TOLVAR_TESTPEER_MODE picks its behaviour: "" serves test objects through the bridge, "raw"
// speaks the wire protocol with hand-built messages, "exit" ends at once, "silent" never connects.
#include "platform/automation/classfactory.h"
#include "platform/automation/localserver.h"
#include "platform/automation/peerconnection.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

using namespace automation;

namespace {

std::shared_ptr<DispatchObject> makeTestObject(const std::shared_ptr<Value> &kept)
{
    auto object = std::make_shared<DispatchObject>();
    std::weak_ptr<DispatchObject> weak = object;
    object->method("Echo", [](const Values &args) { return args.value(0); });
    object->method("Count", [](const Values &args) { return Value(qint32(args.size())); });
    object->method("Raise", [](const Values &args) -> Value {
        throw Error(args.value(0).toLong(), args.value(1).toString());
    });
    object->method("Throw", [](const Values &args) -> Value {
        throw std::runtime_error(args.value(0).toString().toStdString());
    });
    // Calls back into the caller while the caller's call is still open.
    object->method("CallBack", [](const Values &args) {
        return invoke(args.value(0), args.value(1).toString(), args.mid(2));
    });
    object->method("AssignBack", [](const Values &args) {
        assign(args.value(0), args.value(1).toString(), {}, args.value(2));
        return Value();
    });
    object->method("EnumerateBack", [](const Values &args) {
        const Values items = enumerate(args.value(0));
        return Value(qint32(items.size()));
    });
    // Reports the error a call back raised as "NUMBER|DESCRIPTION".
    object->method("CallBackError", [](const Values &args) {
        try {
            invoke(args.value(0), args.value(1).toString(), args.mid(2));
        } catch (const Error &e) {
            return Value(QString::number(e.number()) + u'|' + e.description());
        }
        return Value("no error");
    });
    object->method("Keep", [kept](const Values &args) {
        *kept = args.value(0);
        return Value();
    });
    object->method("Kept", [kept](const Values &) { return *kept; });
    object->method("Same", [](const Values &args) {
        return Value(args.value(0).toObject() == args.value(1).toObject());
    });
    object->method("Self", [weak](const Values &) { return Value(ObjectPtr(weak.lock())); });
    object->method("NewChild", [kept](const Values &) { return Value(makeTestObject(kept)); });
    object->method("Arguments", [](const Values &) {
        return Value(QCoreApplication::arguments().mid(1).join(u' '));
    });
    object->method("Nothing", [](const Values &) { return Value::nothing(); });
    object->method("Die", [](const Values &) -> Value {
        std::fflush(nullptr);
        _exit(7);
    });
    auto stored = std::make_shared<Value>();
    object->property(
        "Value", [stored](const Values &) { return *stored; },
        [stored](const Values &, const Value &value) { *stored = value; });
    object->enumerator([weak] {
        return Values{Value(qint32(1)), Value("two"), Value(ObjectPtr(weak.lock()))};
    });
    return object;
}

int serveBridge(const QString &address)
{
    auto kept = std::make_shared<Value>();
    auto factory = std::make_shared<ClassFactory>();
    factory->registerClass("Tolvar.TestPeer", [kept] { return makeTestObject(kept); });
    factory->registerClass("Tolvar.Refuses",
                           []() -> ObjectPtr { throw Error(7, QStringLiteral("Out of memory")); });
    try {
        auto connection = serveEmbedding(address, factory);
        return QCoreApplication::exec();
    } catch (const Error &e) {
        std::fprintf(stderr, "testpeer: %s\n", e.what());
        return 2;
    }
}

// The protocol spelled out by hand, without the bridge, to pin the bytes the bridge exchanges.
class RawObject : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.type() != QDBusMessage::MethodCallMessage)
            return false;
        connection.send(reply(message, connection));
        return true;
    }

private:
    static QString describe(const QVariant &v)
    {
        const int type = v.metaType().id();
        switch (type) {
        case QMetaType::UChar:
            return QStringLiteral("y:") + QString::number(v.value<uchar>());
        case QMetaType::Bool:
            return v.toBool() ? QStringLiteral("b:true") : QStringLiteral("b:false");
        case QMetaType::Short:
            return QStringLiteral("n:") + QString::number(v.value<short>());
        case QMetaType::Int:
            return QStringLiteral("i:") + QString::number(v.toInt());
        case QMetaType::Double:
            return QStringLiteral("d:") + QString::number(v.toDouble(), 'g', 17);
        case QMetaType::QString:
            return QStringLiteral("s:") + v.toString();
        default:
            break;
        }
        if (v.metaType() == QMetaType::fromType<QDBusObjectPath>())
            return QStringLiteral("o:") + v.value<QDBusObjectPath>().path();
        return QStringLiteral("?:") + QString::fromLatin1(v.metaType().name());
    }

    static QStringList items(const QVariant &v)
    {
        QStringList out;
        const QDBusArgument arg = v.value<QDBusArgument>();
        arg.beginArray();
        while (!arg.atEnd()) {
            QDBusVariant item;
            arg >> item;
            out << describe(item.variant());
        }
        arg.endArray();
        return out;
    }

    static QVariant wrap(const QVariant &v) { return QVariant::fromValue(QDBusVariant(v)); }

    QDBusMessage reply(const QDBusMessage &m, const QDBusConnection &connection)
    {
        const QList<QVariant> args = m.arguments();
        if (m.path() == u"/ClassFactory")
            return m.createReply(wrap(QVariant::fromValue(QDBusObjectPath("/raw"))));
        if (m.member() == u"Enumerate") {
            QList<QDBusVariant> list{QDBusVariant(QVariant::fromValue(qint32(1))),
                                     QDBusVariant(QVariant::fromValue(QString("a"))),
                                     QDBusVariant(QVariant::fromValue(QDBusObjectPath("/raw")))};
            return m.createReply(QVariant::fromValue(list));
        }
        if (m.member() == u"Assign") {
            m_lastAssign = m.signature() + u'|' + args.value(0).toString() + u'|' +
                           items(args.value(1)).join(u',') + u'|' +
                           describe(args.value(2).value<QDBusVariant>().variant());
            return m.createReply();
        }
        const QString member = args.value(0).toString();
        const QStringList values = items(args.value(1));
        if (member == u"Describe")
            return m.createReply(
                wrap(m.interface() + u'|' + m.signature() + u'|' + values.join(u',')));
        if (member == u"LastAssign")
            return m.createReply(wrap(m_lastAssign));
        if (member == u"Make")
            return make(m, values.value(0).mid(2));
        if (member == u"Raise")
            return m.createErrorReply("ole.Error", values.value(0).mid(2));
        if (member == u"RaiseOther")
            return m.createErrorReply("org.example.Failed", "it failed");
        if (member == u"CallMe") {
            // Calls Invoke(member) on the caller's object and reports the raw reply.
            QDBusMessage call = QDBusMessage::createMethodCall(QString(), values.value(0).mid(2),
                                                               "ole.Automation", "Invoke");
            call << values.value(1).mid(2) << QVariant::fromValue(QList<QDBusVariant>{});
            const QDBusMessage answer = connection.call(call);
            if (answer.type() == QDBusMessage::ErrorMessage)
                return m.createReply(wrap(QStringLiteral("error|") + answer.errorName() + u'|' +
                                          answer.errorMessage()));
            QString text = QStringLiteral("reply|") + answer.signature();
            if (answer.signature() == u"v")
                text += u'|' + describe(answer.arguments().at(0).value<QDBusVariant>().variant());
            return m.createReply(wrap(text));
        }
        return m.createErrorReply("ole.Error",
                                  "438\nObject doesn't support this property or method");
    }

    QDBusMessage make(const QDBusMessage &m, const QString &what)
    {
        const std::map<QString, QVariant> values{
            {"empty", QVariant::fromValue(uchar(0))},
            {"null", QVariant::fromValue(uchar(1))},
            {"true", QVariant::fromValue(true)},
            {"integer", QVariant::fromValue(short(-12345))},
            {"long", QVariant::fromValue(qint32(-2000000000))},
            {"double", QVariant::fromValue(-0.125)},
            {"string", QVariant::fromValue(QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                             "e\n"))},
            {"nothing", QVariant::fromValue(QDBusObjectPath("/"))},
            {"self", QVariant::fromValue(QDBusObjectPath("/raw"))},
            {"byte7", QVariant::fromValue(uchar(7))},
            {"uint", QVariant::fromValue(uint(5))},
            {"int64", QVariant::fromValue(qint64(5))},
            {"nested", QVariant::fromValue(QDBusVariant(QVariant::fromValue(1)))},
            {"strings", QVariant::fromValue(QStringList{"a"})},
        };
        if (what == u"bare")
            return m.createReply(QVariant::fromValue(QString("not in a variant")));
        if (what == u"none")
            return m.createReply();
        if (what == u"two")
            return m.createReply(QList<QVariant>{wrap(1), wrap(2)});
        const auto it = values.find(what);
        if (it == values.end())
            return m.createErrorReply("ole.Error", "5\nno such value");
        return m.createReply(wrap(it->second));
    }

    QString m_lastAssign;
};

int serveRaw(const QString &address)
{
    qDBusRegisterMetaType<QList<QDBusVariant>>();
    QDBusConnection connection = QDBusConnection::connectToPeer(address, "raw");
    if (!connection.isConnected())
        return 2;
    RawObject object;
    connection.registerVirtualObject("/", &object, QDBusConnection::SubPath);
    connection.connect(QString(), "/org/freedesktop/DBus/Local", "org.freedesktop.DBus.Local",
                       "Disconnected", qApp, SLOT(quit()));
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray mode = qgetenv("TOLVAR_TESTPEER_MODE");
    const QString address = peerAddress(app.arguments());
    if (!isEmbedding(app.arguments()))
        return 1;
    if (mode == "exit")
        return 3;
    if (mode == "silent") {
        QTimer::singleShot(60000, &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (mode == "raw")
        return serveRaw(address);
    return serveBridge(address);
}
