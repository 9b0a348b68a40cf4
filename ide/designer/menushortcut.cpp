#include "menushortcut.h"

#include <QHash>

namespace vbhost {

QString shortcutText(const QString &code)
{
    static const QHash<QString, QString> keys = {
        {QStringLiteral("INSERT"), QStringLiteral("Ins")},
        {QStringLiteral("INS"), QStringLiteral("Ins")},
        {QStringLiteral("DEL"), QStringLiteral("Del")},
        {QStringLiteral("DELETE"), QStringLiteral("Del")},
        {QStringLiteral("BKSP"), QStringLiteral("Backspace")},
        {QStringLiteral("BACKSPACE"), QStringLiteral("Backspace")},
        {QStringLiteral("BS"), QStringLiteral("Backspace")},
    };
    QString c = code.trimmed();
    // The file may keep a comment after the value.
    if (const qsizetype quote = c.indexOf(QLatin1Char('\'')); quote >= 0)
        c = c.left(quote).trimmed();
    bool ctrl = false, shift = false, alt = false;
    qsizetype i = 0;
    for (; i < c.size(); ++i) {
        if (c[i] == QLatin1Char('^'))
            ctrl = true;
        else if (c[i] == QLatin1Char('+'))
            shift = true;
        else if (c[i] == QLatin1Char('%'))
            alt = true;
        else
            break;
    }
    const QString rest = c.mid(i);
    QString key;
    if (rest.size() == 1 && rest[0].isLetterOrNumber()) {
        key = rest.toUpper();
    } else if (rest.size() > 2 && rest.startsWith(QLatin1Char('{')) &&
               rest.endsWith(QLatin1Char('}'))) {
        const QString name = rest.mid(1, rest.size() - 2).toUpper();
        bool ok = false;
        const int f = name.startsWith(QLatin1Char('F')) ? name.mid(1).toInt(&ok) : 0;
        if (ok && f >= 1 && f <= 24)
            key = QStringLiteral("F%1").arg(f);
        else
            key = keys.value(name);
    }
    if (key.isEmpty())
        return {};
    QString text;
    if (ctrl)
        text += QStringLiteral("Ctrl+");
    if (alt)
        text += QStringLiteral("Alt+");
    if (shift)
        text += QStringLiteral("Shift+");
    return text + key;
}

QString stripAccessKey(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace vbhost
