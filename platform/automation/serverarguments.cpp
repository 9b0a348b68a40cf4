#include "serverarguments.h"

namespace automation {

bool isEmbedding(const QStringList &arguments)
{
    for (const QString &a : arguments.mid(1)) {
        // "--Embedding" too, as the command-line help writes it.
        if (a.compare(u"-Embedding", Qt::CaseInsensitive) == 0 ||
            a.compare(u"--Embedding", Qt::CaseInsensitive) == 0 ||
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

} // namespace automation
