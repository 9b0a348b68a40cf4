#include "ide/files/companionfile.h"

#include "ide/files/propertyvalue.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

namespace vbhost {

namespace {

quint32 u32At(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0;
}

quint16 u16At(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}

bool hasKeyAt(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() && b[at] == 'l' && b[at + 1] == 't' && b[at + 2] == 0 &&
           b[at + 3] == 0;
}

// The picture header's key with both of its sizes agreeing: a picture whatever property names it.
bool hasPictureHeader(const QByteArray &b, qsizetype at)
{
    return (hasKeyAt(b, at + 4) && u32At(b, at) == u32At(b, at + 8) + 8) ||
           (hasKeyAt(b, at + 20) && u32At(b, at) == u32At(b, at + 24) + 24);
}

QString hex(quint32 offset)
{
    return QString::number(offset, 16).toUpper().rightJustified(4, u'0');
}

bool startsWithWord(const QString &line, QLatin1String word)
{
    return line.startsWith(word, Qt::CaseInsensitive) &&
           (line.size() == word.size() || line[word.size()].isSpace());
}

} // namespace

std::optional<PictureRecordLayout> pictureRecordLayout(const QByteArray &companion, qsizetype at)
{
    if (at < 0 || at + 4 > companion.size())
        return std::nullopt;
    if (hasKeyAt(companion, at + 4))
        return at + 12 <= companion.size()
                   ? std::optional(PictureRecordLayout{at + 12, u32At(companion, at + 8)})
                   : std::nullopt;
    if (hasKeyAt(companion, at + 20))
        return at + 28 <= companion.size()
                   ? std::optional(PictureRecordLayout{at + 28, u32At(companion, at + 24)})
                   : std::nullopt;
    return PictureRecordLayout{at + 4, u32At(companion, at)};
}

CompanionRecordKind companionRecordKind(const QString &property, bool dollar)
{
    static const QStringList pictures{
        QStringLiteral("Picture"),     QStringLiteral("Icon"),
        QStringLiteral("DownPicture"), QStringLiteral("DisabledPicture"),
        QStringLiteral("MouseIcon"),   QStringLiteral("DragIcon")};
    if (dollar)
        return CompanionRecordKind::LongText;
    if (pictures.contains(property, Qt::CaseInsensitive))
        return CompanionRecordKind::Picture;
    if (property.compare(u"List", Qt::CaseInsensitive) == 0)
        return CompanionRecordKind::List;
    return CompanionRecordKind::Other;
}

CompanionRecordExtent companionRecordExtent(const QByteArray &companion, const QString &name,
                                            quint32 offset, CompanionRecordKind kind,
                                            qsizetype next)
{
    const qsizetype at = qsizetype(offset);
    const qsizetype size = companion.size();
    if (at >= size)
        return {0, QStringLiteral("%1 holds nothing at offset %2").arg(name, hex(offset))};
    const CompanionRecordExtent cutShort{
        0, QStringLiteral("%1 ends inside the record at offset %2").arg(name, hex(offset))};
    if (kind == CompanionRecordKind::Other && hasPictureHeader(companion, at))
        kind = CompanionRecordKind::Picture;
    qsizetype end = 0;
    switch (kind) {
    case CompanionRecordKind::Picture: {
        const auto layout = pictureRecordLayout(companion, at);
        if (!layout)
            return cutShort;
        end = layout->end();
        break;
    }
    case CompanionRecordKind::List:
        end = at + 4;
        for (int i = 0, count = u16At(companion, at); i < count && end <= size; ++i)
            end += 2 + (end + 2 <= size ? u16At(companion, end) : 0);
        break;
    case CompanionRecordKind::LongText:
        end = at + 4 + qsizetype(u32At(companion, at));
        break;
    case CompanionRecordKind::Other:
        end = next > at && next <= size ? next : size;
        break;
    }
    if (end > size)
        return cutShort;
    return {end - at, QString()};
}

QList<CompanionReference> companionReferences(const QStringList &lines, bool firstBlockOnly)
{
    static const QLatin1String beginProperty("BeginProperty"), endProperty("EndProperty"),
        begin("Begin");
    QList<CompanionReference> out;
    QStringList blocks; // names of the Begin blocks the line is in
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QString t = line.trimmed();
        if (startsWithWord(t, beginProperty) || startsWithWord(t, endProperty))
            continue; // the lines inside belong to the control all the same
        if (startsWithWord(t, begin)) {
            blocks << t.split(u' ', Qt::SkipEmptyParts).value(2);
            continue;
        }
        if (t.compare(u"End", Qt::CaseInsensitive) == 0) {
            if (!blocks.isEmpty())
                blocks.removeLast();
            if (firstBlockOnly && blocks.isEmpty())
                break;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (blocks.isEmpty() || eq <= 0)
            continue;
        const QString name = line.left(eq).trimmed();
        if (name.isEmpty() || name.contains(u' '))
            continue;
        QString value, comment;
        splitValueAndComment(line.mid(eq + 1), &value, &comment);
        const PropertyValue v = parsePropertyValue(value);
        if (v.kind != PropertyValue::Kind::FrxRef)
            continue;
        out << CompanionReference{i,
                                  blocks.last(),
                                  name,
                                  v.frxFile,
                                  v.frxOffset,
                                  v.frxDollar,
                                  value.mid(value.lastIndexOf(u':') + 1),
                                  line.indexOf(value, eq + 1),
                                  value.size()};
    }
    return out;
}

QString companionReferenceText(const QString &file, quint32 offset, bool dollar,
                               const QString &like)
{
    static const QRegularExpression upper(QStringLiteral("[A-F]")), lower(QStringLiteral("[a-f]"));
    qsizetype width = 4;
    if (like.startsWith(u'0'))
        width = like.size();
    else if (!like.isEmpty() && like.size() < 4)
        width = 1;
    QString digits = QString::number(offset, 16).rightJustified(width, u'0');
    if (!(like.contains(lower) && !like.contains(upper)))
        digits = digits.toUpper();
    return (dollar ? QStringLiteral("$\"") : QStringLiteral("\"")) + file + QStringLiteral("\":") +
           digits;
}

QString renameCompanionReferences(const QString &text, const QString &oldName,
                                  const QString &newName)
{
    QStringList lines = text.split(u'\n');
    const QList<CompanionReference> refs = companionReferences(lines, true);
    for (const CompanionReference &r : refs) {
        if (r.file.compare(oldName, Qt::CaseInsensitive) == 0)
            lines[r.line].replace(r.at, r.length,
                                  companionReferenceText(newName, r.offset, r.dollar, r.digits));
    }
    return lines.join(u'\n');
}

QString companionPath(const QString &formFilePath, const QString &companionName)
{
    const QDir dir = QFileInfo(formFilePath).absoluteDir();
    const QString relative = QString(companionName).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString direct = dir.filePath(relative);
    if (QFileInfo::exists(direct))
        return direct;
    // Written on a system that ignores letter case: Form1.FRX for "Form1.frx".
    const QFileInfo wanted(direct);
    const QDir folder = wanted.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return direct;
}

} // namespace vbhost
