#include "ide/model/workspacedata_p.h"

#include "ide/files/parseerror.h"

#include <QFileInfo>
#include <QSet>
#include <atomic>
#include <limits>
#include <map>

namespace vbhost {

using automation::Error;

namespace {

quint64 nextRevision()
{
    static std::atomic<quint64> revision{0};
    return ++revision;
}

// A paste refused for a record it cannot carry; nothing has changed when it is thrown.
Error refusal(const CompanionReference &ref, const QString &why)
{
    return Error(321, QStringLiteral("%1 cannot be pasted: its %2 names %3, and %4.")
                          .arg(ref.control, ref.property,
                               companionReferenceText(ref.file, ref.offset, ref.dollar, ref.digits),
                               why));
}

QString key(const QString &file, quint32 offset)
{
    return file.toLower() + u':' + QString::number(offset);
}

QString withSlashes(QString name)
{
    return name.replace(u'\\', u'/');
}

} // namespace

QString WorkspaceData::companionSource(const Document &doc) const
{
    const QString source = !doc.copyOf.isEmpty() ? doc.copyOf : doc.isNew ? QString() : doc.path;
    return companionFiles(doc.kind, source).value(0);
}

QString WorkspaceData::companionNameAt(const Document &doc, const QString &target) const
{
    QString current =
        doc.companion.held ? doc.companion.name : QFileInfo(companionSource(doc)).fileName();
    const QString base = QFileInfo(target).completeBaseName();
    // The environment names a companion after its file; one of the same name keeps its spelling.
    if (!current.isEmpty() &&
        QFileInfo(current).completeBaseName().compare(base, Qt::CaseInsensitive) == 0)
        return current;
    const QString suffix = current.isEmpty() ? companionSuffixes(doc.kind).value(0)
                                             : QFileInfo(current).suffix().toLower();
    return base + u'.' + suffix;
}

void WorkspaceData::holdCompanion(Document &doc)
{
    if (doc.companion.held)
        return;
    HeldCompanion c;
    c.held = true;
    c.name = companionNameAt(doc, doc.path);
    const QString source = companionSource(doc);
    if (!source.isEmpty()) {
        try {
            c.bytes = readWholeFile(source);
        } catch (const ParseError &) {
            throw Error(75, QStringLiteral("%1 cannot be read, so no record can be added to it")
                                .arg(QFileInfo(source).fileName()));
        }
    }
    const QString home = QFileInfo(doc.path).absolutePath() + u'/' + c.name;
    c.dirty = !source.isEmpty() && QFileInfo(source).absoluteFilePath() != home;
    c.revision = nextRevision();
    doc.companion = std::move(c);
}

QList<CompanionRecord> WorkspaceData::companionRecords(const Document &doc,
                                                       const QString &text) const
{
    const QList<CompanionReference> refs = companionReferences(text.split(u'\n'));
    if (refs.isEmpty())
        return {};
    // Every offset the document names, by companion: where each record's successor starts.
    QList<TextLine> lines;
    doc.file->root()->appendTo(lines);
    std::map<QString, QList<quint32>> named;
    for (const CompanionReference &r :
         companionReferences(doc.file->codePage().decode(joinLines(lines)).split(u'\n'), true))
        named[r.file.toLower()] << r.offset;
    const QString source = !doc.copyOf.isEmpty() ? doc.copyOf : doc.path;

    QList<CompanionRecord> out;
    QSet<QString> done;
    QHash<QString, std::pair<QByteArray, QString>> companions; // bytes, or why there are none
    for (const CompanionReference &r : refs) {
        if (done.contains(key(r.file, r.offset)))
            continue;
        done.insert(key(r.file, r.offset));
        CompanionRecord record{r.file, r.offset, {}, {}};
        auto it = companions.find(r.file.toLower());
        if (it == companions.end()) {
            std::pair<QByteArray, QString> c;
            const QString name = QFileInfo(withSlashes(r.file)).fileName();
            if (doc.companion.held &&
                withSlashes(r.file).compare(doc.companion.name, Qt::CaseInsensitive) == 0) {
                c.first = doc.companion.bytes;
            } else if (doc.isNew && doc.copyOf.isEmpty()) {
                c.second = QStringLiteral("%1 has not been written").arg(name);
            } else {
                const QString path = companionPath(source, r.file);
                try {
                    if (!QFileInfo(path).isFile())
                        throw ParseError(path, 0, QString());
                    c.first = readWholeFile(path);
                } catch (const ParseError &) {
                    c.second = QStringLiteral("%1 cannot be read").arg(name);
                }
            }
            it = companions.insert(r.file.toLower(), c);
        }
        if (!it->second.isEmpty()) {
            record.problem = it->second;
        } else {
            qsizetype next = it->first.size();
            for (quint32 o : named[r.file.toLower()]) {
                if (o > r.offset)
                    next = std::min(next, qsizetype(o));
            }
            const CompanionRecordExtent extent =
                companionRecordExtent(it->first, QFileInfo(withSlashes(r.file)).fileName(),
                                      r.offset, companionRecordKind(r.property, r.dollar), next);
            record.problem = extent.problem;
            if (extent.problem.isEmpty())
                record.bytes = it->first.mid(r.offset, extent.length);
        }
        out << record;
    }
    return out;
}

QString WorkspaceData::placeCompanionRecords(Document &doc, const Workspace::CopiedControls &copied,
                                             QByteArray *appended)
{
    QStringList lines = copied.text.split(u'\n');
    const QList<CompanionReference> refs = companionReferences(lines);
    if (refs.isEmpty())
        return copied.text;
    QHash<QString, const CompanionRecord *> carried;
    for (const CompanionRecord &r : copied.records)
        carried.insert(key(withSlashes(r.file), r.offset), &r);
    holdCompanion(doc);
    const HeldCompanion &own = doc.companion;
    QHash<QString, QString> placed; // new reference text by the reference pasted
    for (const CompanionReference &ref : refs) {
        const QString k = key(withSlashes(ref.file), ref.offset);
        if (!placed.contains(k)) {
            const CompanionRecord *record = carried.value(k);
            if (copied.sameDocument && (!record || !record->problem.isEmpty())) {
                placed.insert(k, lines[ref.line].mid(ref.at, ref.length));
                continue;
            }
            if (!record)
                throw refusal(ref, QStringLiteral("the clipboard does not carry that record"));
            if (!record->problem.isEmpty())
                throw refusal(ref, record->problem);
            // What was carried must hold the whole record its header describes.
            const CompanionRecordExtent extent = companionRecordExtent(
                record->bytes, QFileInfo(withSlashes(ref.file)).fileName(), 0,
                companionRecordKind(ref.property, ref.dollar), record->bytes.size());
            if (!extent.problem.isEmpty())
                throw refusal(ref, QStringLiteral("the clipboard carries that record damaged"));
            const bool ownFile = withSlashes(ref.file).compare(own.name, Qt::CaseInsensitive) == 0;
            if (ownFile && own.bytes.mid(ref.offset, record->bytes.size()) == record->bytes) {
                placed.insert(k, lines[ref.line].mid(ref.at, ref.length));
            } else {
                const qint64 at = own.bytes.size() + appended->size();
                if (at + record->bytes.size() > qint64(std::numeric_limits<quint32>::max()))
                    throw refusal(ref, QStringLiteral("%1 would grow past 4 GB").arg(own.name));
                *appended += record->bytes;
                placed.insert(
                    k, companionReferenceText(own.name, quint32(at), ref.dollar, ref.digits));
            }
        }
    }
    // Replaced from the last, so that places on one line stay right.
    for (auto r = refs.crbegin(); r != refs.crend(); ++r)
        lines[r->line].replace(r->at, r->length,
                               placed.value(key(withSlashes(r->file), r->offset)));
    return lines.join(u'\n');
}

void WorkspaceData::appendToCompanion(Document &doc, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    doc.companion.bytes += bytes;
    doc.companion.dirty = true;
    doc.companion.revision = nextRevision();
}

WorkspaceData::WriteSet WorkspaceData::writeSet(Document &doc, const QString &target)
{
    WriteSet set;
    const QString name = companionNameAt(doc, target);
    const QString source = companionSource(doc);
    // A companion that changes its name is held, so that the references follow it.
    if (!doc.companion.held && !source.isEmpty() && QFileInfo(source).fileName() != name) {
        try {
            holdCompanion(doc);
        } catch (const Error &) {
            throw ParseError(source, 0, QStringLiteral("the file cannot be read"));
        }
    }
    const CodePage cp = doc.file->codePage();
    set.formBytes = doc.file->toBytes();
    if (!doc.companion.held)
        return set;
    set.renamed = name != doc.companion.name;
    if (set.renamed)
        set.formBytes = cp.encode(
            renameCompanionReferences(cp.decode(set.formBytes), doc.companion.name, name));
    // Nothing names an empty companion: none is written (one written before is left as it is).
    if (doc.companion.bytes.isEmpty())
        return set;
    set.companionPath = QFileInfo(target).absolutePath() + u'/' + name;
    set.companionBytes = doc.companion.bytes;
    set.companionChanged = doc.companion.dirty || set.renamed ||
                           QFileInfo(source).absoluteFilePath() != set.companionPath;
    // A companion that grows goes first, one that shrinks (an undone paste) after the file: the
    // file on disk never names a record its companion lacks.
    try {
        set.companionFirst = !QFileInfo::exists(set.companionPath) ||
                             set.companionBytes.startsWith(readWholeFile(set.companionPath));
    } catch (const ParseError &) {
        set.companionFirst = true;
    }
    return set;
}

void WorkspaceData::companionWritten(Document &doc, const QString &target, const WriteSet &set)
{
    if (!doc.companion.held)
        return;
    if (!set.companionPath.isEmpty())
        doc.companion.name = QFileInfo(set.companionPath).fileName();
    doc.companion.dirty = false;
    if (!set.renamed)
        return;
    QList<quint64> order;
    if (const ControlNode *root = doc.file->root()) {
        order << doc.uids.value(root);
        for (const ControlNode *n : doc.file->controls())
            order << doc.uids.value(n);
    }
    doc.file = std::make_unique<FormFile>(
        FormFile::fromBytes(set.formBytes, target, doc.file->codePage()));
    indexDocument(doc, order);
    doc.companion.revision = nextRevision();
}

void writeDocumentFiles(const QString &target, const WorkspaceData::WriteSet &set,
                        bool withCompanion)
{
    withCompanion = withCompanion && !set.companionPath.isEmpty();
    if (withCompanion && set.companionFirst)
        writeFileSafely(set.companionPath, set.companionBytes);
    writeFileSafely(target, set.formBytes);
    if (withCompanion && !set.companionFirst)
        writeFileSafely(set.companionPath, set.companionBytes);
}

// --- Workspace ----------------------------------------------------------------------------

std::optional<HeldCompanionBytes> Workspace::heldCompanion(int documentId) const
{
    const Document *doc = d->document(documentId);
    if (!doc || !doc->companion.held)
        return std::nullopt;
    return doc->companion;
}

} // namespace vbhost
