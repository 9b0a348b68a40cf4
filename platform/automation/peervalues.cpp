// The wire form of values on a peer connection: each value type keeps one D-Bus type both ways.
#include "peerconnection.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace automation {

namespace {

Error unsupportedType()
{
    return {458, QStringLiteral("Variable uses an Automation type not supported")};
}

} // namespace

QDBusVariant PeerConnection::toWire(const Value &value)
{
    switch (value.type()) {
    case Value::Type::Empty:
        return QDBusVariant(QVariant::fromValue(uchar(0)));
    case Value::Type::Null:
        return QDBusVariant(QVariant::fromValue(uchar(1)));
    case Value::Type::Boolean:
        return QDBusVariant(QVariant::fromValue(value.toBool()));
    case Value::Type::Integer:
        return QDBusVariant(QVariant::fromValue(qint16(value.toInteger())));
    case Value::Type::Long:
        return QDBusVariant(QVariant::fromValue(qint32(value.toLong())));
    case Value::Type::Double:
        return QDBusVariant(QVariant::fromValue(value.toDouble()));
    case Value::Type::String: {
        // D-Bus strings end at the first NUL: refuse rather than cut the text short.
        const QString text = value.toString();
        if (text.contains(QChar(0)))
            throw Error(5, QStringLiteral("Invalid procedure call or argument: a string with "
                                          "Chr(0) cannot be passed to another process"));
        return QDBusVariant(QVariant::fromValue(text));
    }
    case Value::Type::Object:
        return QDBusVariant(QVariant::fromValue(QDBusObjectPath(pathOf(value.toObject()))));
    }
    return QDBusVariant(QVariant::fromValue(uchar(0)));
}

QVariant PeerConnection::toWire(const Values &values)
{
    QList<QDBusVariant> list;
    list.reserve(values.size());
    for (const Value &v : values)
        list.append(toWire(v));
    return QVariant::fromValue(list);
}

Value PeerConnection::fromWire(const QVariant &variant)
{
    switch (variant.metaType().id()) {
    case QMetaType::UChar: {
        const uchar b = variant.value<uchar>();
        if (b == 0)
            return Value();
        if (b == 1)
            return Value::null();
        throw unsupportedType();
    }
    case QMetaType::Bool:
        return Value(variant.toBool());
    case QMetaType::Short:
        return Value(qint16(variant.value<short>()));
    case QMetaType::Int:
        return Value(qint32(variant.toInt()));
    case QMetaType::Double:
        return Value(variant.toDouble());
    case QMetaType::QString:
        return Value(variant.toString());
    default:
        break;
    }
    if (variant.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return Value(remoteObject(variant.value<QDBusObjectPath>().path()));
    throw unsupportedType();
}

Values PeerConnection::listFromWire(const QVariant &variant)
{
    Values values;
    if (variant.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument arg = variant.value<QDBusArgument>();
        if (arg.currentSignature() != u"av")
            throw Error::wrongArguments();
        arg.beginArray();
        while (!arg.atEnd()) {
            QDBusVariant item;
            arg >> item;
            values.append(fromWire(item.variant()));
        }
        arg.endArray();
        return values;
    }
    if (variant.metaType() == QMetaType::fromType<QList<QDBusVariant>>()) {
        for (const QDBusVariant &item : variant.value<QList<QDBusVariant>>())
            values.append(fromWire(item.variant()));
        return values;
    }
    throw Error::wrongArguments();
}

} // namespace automation
