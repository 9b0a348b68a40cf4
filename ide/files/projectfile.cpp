#include "ide/files/projectfile.h"

#include "ide/files/parseerror.h"
#include "ide/files/validate_p.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace vbhost {

namespace {

struct KindKey
{
    ProjectMember::Kind kind;
    QLatin1String key;
    bool named;          // "Name; path"
    bool quoted = false; // "path", and an empty value names nothing
};

constexpr KindKey kindKeys[] = {
    {ProjectMember::Kind::Form, QLatin1String("Form"), false},
    {ProjectMember::Kind::Module, QLatin1String("Module"), true},
    {ProjectMember::Kind::Class, QLatin1String("Class"), true},
    {ProjectMember::Kind::UserControl, QLatin1String("UserControl"), false},
    {ProjectMember::Kind::PropertyPage, QLatin1String("PropertyPage"), false},
    {ProjectMember::Kind::UserDocument, QLatin1String("UserDocument"), false},
    {ProjectMember::Kind::Designer, QLatin1String("Designer"), false},
    {ProjectMember::Kind::ResourceFile, QLatin1String("ResFile32"), false, true},
    {ProjectMember::Kind::RelatedDocument, QLatin1String("RelatedDoc"), false},
};

QString unquoted(const QString &value)
{
    QString v = value.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2).trimmed();
    return v;
}

const KindKey *kindForKey(const QString &key)
{
    for (const KindKey &k : kindKeys) {
        if (key.compare(k.key, Qt::CaseInsensitive) == 0)
            return &k;
    }
    return nullptr;
}

bool memberFromEntry(const ProjectEntry &e, ProjectMember *m)
{
    if (!e.section.isEmpty())
        return false;
    const KindKey *k = kindForKey(e.key);
    if (!k)
        return false;
    m->kind = k->kind;
    m->line = e.line;
    if (k->named) {
        const qsizetype semi = e.value.indexOf(QLatin1Char(';'));
        m->name = e.value.left(semi).trimmed();
        m->path = e.value.mid(semi + 1).trimmed();
    } else {
        m->name.clear();
        m->path = k->quoted ? unquoted(e.value) : e.value.trimmed();
    }
    return !(k->quoted && m->path.isEmpty());
}

// Finds a directory entry differing only in letter case.
QString matchCase(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return name;
}

} // namespace

ProjectFile::ProjectFile()
{
    m_lines.append({QByteArrayLiteral("Type=Exe"), m_eol});
    m_origLine.append(0);
    reindex();
}

ProjectFile ProjectFile::load(const QString &path, CodePage codePage)
{
    return fromBytes(readWholeFile(path), path, codePage);
}

ProjectFile ProjectFile::fromBytes(const QByteArray &bytes, const QString &fileName,
                                   CodePage codePage)
{
    ProjectFile p;
    p.m_fileName = fileName;
    p.m_codePage = codePage;
    QByteArray body = bytes;
    p.m_byteOrderMark = takeByteOrderMark(body);
    p.m_lines = splitLines(body);
    p.m_eol = dominantEol(p.m_lines);
    p.m_origLine.clear();
    for (int i = 0; i < p.m_lines.size(); ++i)
        p.m_origLine.append(i + 1);
    const int binary = firstBinaryLine(p.m_lines);
    if (binary >= 0)
        throw ParseError(fileName, binary + 1,
                         QStringLiteral("binary data where text was expected"));
    p.reindex();
    for (const Indexed &ix : p.m_index) {
        const ProjectEntry &e = ix.entry;
        if (!e.section.isEmpty())
            continue;
        const KindKey *k = kindForKey(e.key);
        if (!k)
            continue;
        if (k->named && !e.value.contains(QLatin1Char(';')))
            throw ParseError(
                fileName, e.line,
                QStringLiteral("expected %1=Name; file, found: %1=%2").arg(k->key, e.value));
        ProjectMember m;
        if (memberFromEntry(e, &m) && m.path.isEmpty())
            throw ParseError(fileName, e.line, QStringLiteral("%1= names no file").arg(k->key));
    }
    return p;
}

void ProjectFile::reindex()
{
    m_index.clear();
    QString section;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString t = m_codePage.decode(m_lines[i].text).trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('\'')))
            continue;
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            section = t.mid(1, t.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue; // kept as it stands
        m_index.append(
            {i, {t.left(eq).trimmed(), t.mid(eq + 1).trimmed(), section, m_origLine.value(i)}});
    }
}

void ProjectFile::setCodePage(CodePage codePage)
{
    m_codePage = codePage;
    reindex();
}

CodePage ProjectFile::detectCodePage() const
{
    const QList<ProjectMember> all = members();
    qsizetype bestMissing = missingMembers().size();
    const auto ascii = [](const QString &t) {
        return std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 0x80; });
    };
    if (bestMissing == 0 ||
        std::all_of(all.begin(), all.end(), [&](const ProjectMember &m) { return ascii(m.path); }))
        return m_codePage;
    CodePage best = m_codePage;
    ProjectFile trial = *this;
    for (int number : CodePage::numbers()) {
        const CodePage cp = *CodePage::fromNumber(number);
        if (cp == m_codePage)
            continue;
        trial.setCodePage(cp);
        const qsizetype missing = trial.missingMembers().size();
        if (missing < bestMissing) {
            bestMissing = missing;
            best = cp;
        }
    }
    return best;
}

QString ProjectFile::folder() const
{
    return QFileInfo(m_fileName).absolutePath();
}

QList<ProjectEntry> ProjectFile::entries() const
{
    QList<ProjectEntry> out;
    out.reserve(m_index.size());
    for (const Indexed &ix : m_index)
        out.append(ix.entry);
    return out;
}

QString ProjectFile::value(const QString &key, const QString &fallback) const
{
    for (const Indexed &ix : m_index) {
        if (ix.entry.section.isEmpty() && ix.entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return ix.entry.value;
    }
    return fallback;
}

QStringList ProjectFile::values(const QString &key) const
{
    QStringList out;
    for (const Indexed &ix : m_index) {
        if (ix.entry.section.isEmpty() && ix.entry.key.compare(key, Qt::CaseInsensitive) == 0)
            out.append(ix.entry.value);
    }
    return out;
}

QString ProjectFile::textValue(const QString &key) const
{
    QString v = value(key);
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    return v;
}

void ProjectFile::setValue(const QString &key, const QString &value)
{
    requireWord(key, "a project key");
    requireOneLine(value, "a project value");
    int lastTopLevel = -1;
    for (const Indexed &ix : m_index) {
        if (!ix.entry.section.isEmpty())
            break;
        if (ix.entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            if (ix.entry.value == value)
                return;
            TextLine &l = m_lines[ix.lineIndex];
            const qsizetype eq = l.text.indexOf('=');
            l.text = l.text.left(eq + 1) + m_codePage.encode(value);
            reindex();
            return;
        }
        lastTopLevel = ix.lineIndex;
    }
    int at = lastTopLevel + 1;
    if (lastTopLevel < 0) {
        // No keys yet: before the first section, if any.
        at = 0;
        while (at < m_lines.size() && !m_lines[at].text.trimmed().startsWith('['))
            ++at;
    }
    if (at > 0 && m_lines[at - 1].eol.isEmpty())
        m_lines[at - 1].eol = m_eol;
    m_lines.insert(at, {m_codePage.encode(key) + '=' + m_codePage.encode(value), m_eol});
    m_origLine.insert(at, 0);
    reindex();
}

bool ProjectFile::removeValue(const QString &key)
{
    bool removed = false;
    for (qsizetype i = m_index.size() - 1; i >= 0; --i) {
        const Indexed &ix = m_index[i];
        if (ix.entry.section.isEmpty() && ix.entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            m_lines.removeAt(ix.lineIndex);
            m_origLine.removeAt(ix.lineIndex);
            removed = true;
        }
    }
    if (removed)
        reindex();
    return removed;
}

QList<ProjectMember> ProjectFile::members() const
{
    QList<ProjectMember> out;
    for (const Indexed &ix : m_index) {
        ProjectMember m;
        if (memberFromEntry(ix.entry, &m))
            out.append(m);
    }
    return out;
}

QString ProjectFile::keyForKind(ProjectMember::Kind kind)
{
    for (const KindKey &k : kindKeys) {
        if (k.kind == kind)
            return k.key;
    }
    return QString();
}

void ProjectFile::addMember(ProjectMember::Kind kind, const QString &name,
                            const QString &relativePath)
{
    const KindKey *k = kindForKey(keyForKind(kind));
    requireOneLine(relativePath, "a member path");
    if (relativePath.trimmed().isEmpty())
        throw std::invalid_argument("a member path cannot be empty");
    if (k->named)
        requireWord(name, "a member name");
    const QString value = k->named    ? name + QStringLiteral("; ") + relativePath
                          : k->quoted ? u'"' + relativePath + u'"'
                                      : relativePath;

    // After the last member; else after the references and objects; else after the first key.
    int after = -1;
    int fallback = -1;
    for (const Indexed &ix : m_index) {
        if (!ix.entry.section.isEmpty())
            break;
        ProjectMember m;
        if (memberFromEntry(ix.entry, &m))
            after = ix.lineIndex;
        else if (ix.entry.key.compare(QLatin1String("Reference"), Qt::CaseInsensitive) == 0 ||
                 ix.entry.key.compare(QLatin1String("Object"), Qt::CaseInsensitive) == 0 ||
                 ix.entry.key.compare(QLatin1String("Type"), Qt::CaseInsensitive) == 0)
            fallback = ix.lineIndex;
    }
    if (after < 0)
        after = fallback;
    const int at = after + 1;
    if (at > 0 && m_lines[at - 1].eol.isEmpty())
        m_lines[at - 1].eol = m_eol;
    m_lines.insert(at, {m_codePage.encode(QString(k->key) + QLatin1Char('=') + value), m_eol});
    m_origLine.insert(at, 0);
    reindex();
}

bool ProjectFile::setMemberPath(const QString &relativePath, const QString &newPath)
{
    requireOneLine(newPath, "a member path");
    return rewriteMember(relativePath, &ProjectMember::path, newPath);
}

bool ProjectFile::setMemberName(const QString &relativePath, const QString &name)
{
    requireWord(name, "a member name");
    return rewriteMember(relativePath, &ProjectMember::name, name);
}

bool ProjectFile::rewriteMember(const QString &relativePath, QString ProjectMember::*part,
                                const QString &with)
{
    for (const Indexed &ix : m_index) {
        ProjectMember m;
        if (!memberFromEntry(ix.entry, &m) ||
            m.path.compare(relativePath, Qt::CaseInsensitive) != 0)
            continue;
        const QString &old = m.*part;
        if (old.isEmpty())
            return false; // a form's line names no member
        // The name comes first, the path last: either may also occur inside the other.
        const QString value = ix.entry.value;
        const qsizetype at =
            part == &ProjectMember::path ? value.lastIndexOf(old) : value.indexOf(old);
        TextLine &l = m_lines[ix.lineIndex];
        const qsizetype eq = l.text.indexOf('=');
        l.text = l.text.left(eq + 1) +
                 m_codePage.encode(value.left(at) + with + value.mid(at + old.size()));
        reindex();
        return true;
    }
    return false;
}

bool ProjectFile::removeMember(const QString &relativePath)
{
    for (const Indexed &ix : m_index) {
        ProjectMember m;
        if (memberFromEntry(ix.entry, &m) &&
            m.path.compare(relativePath, Qt::CaseInsensitive) == 0) {
            m_lines.removeAt(ix.lineIndex);
            m_origLine.removeAt(ix.lineIndex);
            reindex();
            return true;
        }
    }
    return false;
}

QString ProjectFile::memberFilePath(const QString &relativePath) const
{
    return memberFilePath(folder(), relativePath);
}

QString ProjectFile::memberFilePath(const QString &folder, const QString &relativePath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QString rel = relativePath.trimmed();
    // A drive-qualified path from another machine: look for the file beside the project.
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (drive.match(rel).hasMatch())
        rel = rel.section(separators, -1);
    QStringList parts = rel.split(separators, Qt::SkipEmptyParts);
    QString path = QDir(folder).absolutePath();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part == QLatin1String("..") || part == QLatin1String(".")) {
            path = QDir::cleanPath(path + QLatin1Char('/') + part);
            continue;
        }
        path += QLatin1Char('/') + matchCase(QDir(path), part);
    }
    return QDir::cleanPath(path);
}

void ProjectFile::checkMembers() const
{
    const QList<ProjectMember> missing = missingMembers();
    if (!missing.isEmpty())
        throw ParseError(m_fileName, missing.first().line,
                         QStringLiteral("the project names %1, which cannot be found")
                             .arg(missing.first().path));
}

QList<ProjectMember> ProjectFile::missingMembers() const
{
    QList<ProjectMember> out;
    for (const ProjectMember &m : members()) {
        if (!QFileInfo(memberFilePath(m.path)).isFile())
            out.append(m);
    }
    return out;
}

void ProjectFile::save() const
{
    writeFileSafely(m_fileName, toBytes());
}

void ProjectFile::saveAs(const QString &path)
{
    writeFileSafely(path, toBytes());
    m_fileName = path;
}

} // namespace vbhost
