#include "controlclipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace vbhost {

QString controlSource(int formId, const QString &containerKey)
{
    return QStringLiteral("%1:%2:%3")
        .arg(QCoreApplication::applicationPid())
        .arg(formId)
        .arg(containerKey.toLower());
}

namespace {

QJsonArray recordsToJson(const QList<CompanionRecord> &records)
{
    QJsonArray out;
    for (const CompanionRecord &r : records) {
        QJsonObject o{{QStringLiteral("file"), r.file},
                      {QStringLiteral("offset"), qint64(r.offset)}};
        if (r.problem.isEmpty())
            o.insert(QStringLiteral("bytes"), QString::fromLatin1(r.bytes.toBase64()));
        else
            o.insert(QStringLiteral("problem"), r.problem);
        out << o;
    }
    return out;
}

// Records without a file or offset are left out: their references find none and are refused.
QList<CompanionRecord> recordsFromJson(const QJsonArray &array)
{
    QList<CompanionRecord> out;
    for (const QJsonValue &v : array) {
        const QJsonObject o = v.toObject();
        const QString file = o.value(QStringLiteral("file")).toString();
        const double offset = o.value(QStringLiteral("offset")).toDouble(-1);
        if (file.isEmpty() || offset < 0 || offset > std::numeric_limits<quint32>::max() ||
            offset != std::floor(offset))
            continue;
        CompanionRecord r{file, quint32(offset), {}, o.value(QStringLiteral("problem")).toString()};
        const auto bytes =
            QByteArray::fromBase64Encoding(o.value(QStringLiteral("bytes")).toString().toLatin1(),
                                           QByteArray::AbortOnBase64DecodingErrors);
        if (r.problem.isEmpty() && (!bytes || bytes.decoded.isEmpty()))
            r.problem = QStringLiteral("the clipboard holds that record damaged");
        else if (r.problem.isEmpty())
            r.bytes = *bytes;
        out << r;
    }
    return out;
}

} // namespace

QMimeData *controlsMimeData(const ClipboardControls &controls)
{
    auto *data = new QMimeData;
    data->setText(controls.text);
    const QJsonObject ours{{QStringLiteral("text"), controls.text},
                           {QStringLiteral("source"), controls.source},
                           {QStringLiteral("records"), recordsToJson(controls.records)}};
    data->setData(QLatin1String(kControlsMimeType),
                  QJsonDocument(ours).toJson(QJsonDocument::Compact));
    return data;
}

std::optional<ClipboardControls> controlsFromMimeData(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    if (data->hasFormat(QLatin1String(kControlsMimeType))) {
        const QJsonObject ours =
            QJsonDocument::fromJson(data->data(QLatin1String(kControlsMimeType))).object();
        const QString text = ours.value(QStringLiteral("text")).toString();
        if (!text.isEmpty())
            return ClipboardControls{
                text, ours.value(QStringLiteral("source")).toString(),
                recordsFromJson(ours.value(QStringLiteral("records")).toArray())};
    }
    // Form-file text copied from an editor pastes as well.
    static const QRegularExpression blocks(QStringLiteral("^\\s*Begin\\s+\\S+\\s+\\S+"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (data->hasText() && blocks.match(data->text()).hasMatch())
        return ClipboardControls{data->text(), QString(), {}};
    return std::nullopt;
}

void putControlsOnClipboard(const ClipboardControls &controls)
{
    QGuiApplication::clipboard()->setMimeData(controlsMimeData(controls));
}

std::optional<ClipboardControls> controlsOnClipboard()
{
    return controlsFromMimeData(QGuiApplication::clipboard()->mimeData());
}

} // namespace vbhost
