#include "controlclipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QRegularExpression>

namespace vbhost {

QString controlSource(int formId, const QString &containerKey)
{
    return QStringLiteral("%1:%2:%3")
        .arg(QCoreApplication::applicationPid())
        .arg(formId)
        .arg(containerKey.toLower());
}

QMimeData *controlsMimeData(const ClipboardControls &controls)
{
    auto *data = new QMimeData;
    data->setText(controls.text);
    const QJsonObject ours{{QStringLiteral("text"), controls.text},
                           {QStringLiteral("source"), controls.source}};
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
            return ClipboardControls{text, ours.value(QStringLiteral("source")).toString()};
    }
    // Form-file text copied from an editor pastes as well.
    static const QRegularExpression blocks(QStringLiteral("^\\s*Begin\\s+\\S+\\s+\\S+"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (data->hasText() && blocks.match(data->text()).hasMatch())
        return ClipboardControls{data->text(), QString()};
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
