#include "ide/files/textlines.h"

#include "ide/files/parseerror.h"
#include "platform/profile/regularfile.h"

#include <QFile>
#include <QSaveFile>

namespace vbhost {

QList<TextLine> splitLines(const QByteArray &bytes)
{
    QList<TextLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) {
            lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        qsizetype end = nl;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append({bytes.mid(start, end - start), bytes.mid(end, nl + 1 - end)});
        start = nl + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<TextLine> &lines)
{
    qsizetype size = 0;
    for (const TextLine &l : lines)
        size += l.text.size() + l.eol.size();
    QByteArray out;
    out.reserve(size);
    for (const TextLine &l : lines) {
        out.append(l.text);
        out.append(l.eol);
    }
    return out;
}

QByteArray dominantEol(const QList<TextLine> &lines)
{
    for (const TextLine &l : lines) {
        if (!l.eol.isEmpty())
            return l.eol;
    }
    return QByteArrayLiteral("\r\n");
}

int firstBinaryLine(const QList<TextLine> &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].text.contains('\0'))
            return i;
    }
    return -1;
}

void writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw WriteError(path, why);
    }
    if (!file.commit())
        throw WriteError(path, file.errorString());
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    QString why;
    if (!profile::openRegularFile(file, &why))
        throw ParseError(path, 0, QStringLiteral("cannot open the file: %1").arg(why));
    return file.readAll();
}

QByteArray takeByteOrderMark(QByteArray &bytes)
{
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QByteArray();
    bytes.remove(0, 3);
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

} // namespace vbhost
