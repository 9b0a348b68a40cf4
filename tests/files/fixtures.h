#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace fixtures {

inline QString path(const QString &name)
{
    return QStringLiteral(FILES_FIXTURES "/") + name;
}

inline QByteArray bytes(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline QStringList namesIn(const QString &sub, const QStringList &patterns)
{
    QStringList out;
    const QDir dir(path(sub));
    for (const QString &n : dir.entryList(patterns, QDir::Files, QDir::Name))
        out.append(sub.isEmpty() ? n : sub + QLatin1Char('/') + n);
    return out;
}

} // namespace fixtures
