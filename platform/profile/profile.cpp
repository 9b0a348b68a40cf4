#include "profile.h"

#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QThread>

namespace profile {

namespace {

constexpr int LockTimeoutMs = 5000;
constexpr qint64 CopyChunk = 1 << 20;

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Names and values are trimmed as the file's bytes are: of ASCII blanks only, so that a name or
// a value ending in a no-break space is asked for, found and read back alike.
QString asciiTrimmed(const QString &text)
{
    return decode(text.toUtf8().trimmed());
}

bool sameName(const QByteArray &bytes, const QString &name)
{
    return decode(bytes).compare(asciiTrimmed(name), Qt::CaseInsensitive) == 0;
}

int leadingBlanks(const QByteArray &bytes)
{
    int n = 0;
    while (n < bytes.size() && (bytes[n] == ' ' || bytes[n] == '\t'))
        ++n;
    return n;
}

// Where a key is, or where it goes, found in one pass over the file's lines.
struct Scan
{
    bool exists = false;
    bool readable = false;
    bool sectionFound = false;
    bool keyFound = false;
    QByteArray rawValue;
    qint64 valueStart = -1; // key found: bytes [valueStart, valueEnd) hold the value
    qint64 valueEnd = -1;
    qint64 insertAt = -1;       // where a missing key or section goes
    QByteArray insertEol;       // line end of the line insertAt follows
    bool insertUnended = false; // insertAt follows a last line that has no line end
    QByteArray firstEol;        // the file's first line end
    QStringList keys;           // listing: the section's keys
};

// Reads line by line, so files of any size cost one line of memory. With listKeys the whole
// section is read; otherwise reading stops at the key or at the end of its section.
Scan scanFile(const QString &path, const QString &section, const QString &key, bool listKeys)
{
    Scan scan;
    QFile file(path);
    scan.exists = file.exists();
    QString why;
    if (!scan.exists || !openRegularFile(file, &why))
        return scan;
    scan.readable = true;

    bool inSection = false;
    qint64 offset = 0;
    QByteArray lastEol;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.isEmpty())
            break;
        if (offset == 0 && line.startsWith("\xEF\xBB\xBF")) {
            // A byte order mark from another editor stays where it is and is not read as text.
            line.remove(0, 3);
            offset = 3;
        }
        const qint64 start = offset;
        offset += line.size();
        QByteArray eol;
        if (line.endsWith("\r\n"))
            eol = "\r\n";
        else if (line.endsWith('\n'))
            eol = "\n";
        lastEol = eol;
        if (scan.firstEol.isEmpty())
            scan.firstEol = eol;
        const QByteArray content = line.left(line.size() - eol.size());
        const QByteArray trimmed = content.trimmed();

        if (trimmed.startsWith('[')) {
            if (inSection)
                return scan;
            int close = trimmed.indexOf(']');
            const QByteArray name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (!scan.sectionFound && sameName(name, section)) {
                scan.sectionFound = inSection = true;
                scan.insertAt = offset;
                scan.insertEol = eol;
                scan.insertUnended = eol.isEmpty();
            }
            continue;
        }
        if (!inSection || trimmed.startsWith(';'))
            continue;
        const int eq = content.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray name = content.left(eq).trimmed();
        if (name.isEmpty())
            continue;
        scan.insertAt = offset;
        scan.insertEol = eol;
        scan.insertUnended = eol.isEmpty();
        if (listKeys) {
            const QString text = decode(name);
            if (!scan.keys.contains(text, Qt::CaseInsensitive))
                scan.keys.append(text);
            continue;
        }
        if (sameName(name, key)) {
            scan.keyFound = true;
            scan.rawValue = content.mid(eq + 1);
            scan.valueStart = start + eq + 1 + leadingBlanks(scan.rawValue);
            scan.valueEnd = start + content.size();
            return scan;
        }
    }
    if (!scan.sectionFound) {
        scan.insertAt = offset;
        scan.insertEol = lastEol;
        scan.insertUnended = offset > 0 && lastEol.isEmpty();
    }
    return scan;
}

QString unquote(QString value)
{
    value = asciiTrimmed(value);
    if (value.size() >= 2) {
        const QChar q = value.front();
        if ((q == u'"' || q == u'\'') && value.back() == q)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

bool validEntry(const QString &section, const QString &key, const QString &value)
{
    const QString k = asciiTrimmed(key);
    if (hasLineBreak(section) || section.contains(u']'))
        return false;
    if (k.isEmpty() || hasLineBreak(key) || key.contains(u'=') || k.startsWith(u';') ||
        k.startsWith(u'['))
        return false;
    return !hasLineBreak(value);
}

bool copyRange(QFile &from, QIODevice &to, qint64 end)
{
    while (from.pos() < end) {
        const QByteArray chunk = from.read(qMin(CopyChunk, end - from.pos()));
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

// A writer killed between creating its lock and writing its owner into it leaves an empty lock
// that names no owner, so nothing would ever find it stale but its age. The lock file's owner
// writes it right after creating it; one still empty a moment later belongs to nobody.
// (A lock naming an owner that is gone is found stale by QLockFile itself.)
void removeOrphanedLock(const QString &lockPath)
{
    const QFileInfo info(lockPath);
    if (!info.exists() || info.size() != 0)
        return;
    QThread::msleep(50);
    if (QFileInfo(lockPath).exists() && QFileInfo(lockPath).size() == 0)
        QFile::remove(lockPath);
}

bool readOnly(const QFileInfo &info)
{
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

QString windowsDirectory()
{
    const QString windir = qEnvironmentVariable("WINDIR");
    if (!windir.isEmpty())
        return QDir::cleanPath(windir);
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/vbhost/windows"));
}

QString resolvePath(const QString &fileName)
{
    const QString name = fileName.isEmpty() ? QStringLiteral("WIN.INI") : fileName;
    if (name.contains(u'/') || name.contains(u'\\'))
        return name;
    const QDir dir(windowsDirectory());
    if (!dir.exists(name)) {
        const QStringList found = dir.entryList({name}, QDir::Files | QDir::Hidden);
        for (const QString &entry : found) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return dir.filePath(entry);
        }
    }
    return dir.filePath(name);
}

int GetPrivateProfileString(const QString &section, const QString &key, const QString &def,
                            QString &returned, int size, const QString &fileName)
{
    returned.clear();
    if (size <= 0)
        return 0;
    const Scan scan = scanFile(resolvePath(fileName), section, key, false);
    returned = scan.keyFound ? unquote(decode(scan.rawValue)) : def;
    returned.truncate(size - 1);
    return int(returned.size());
}

bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName)
{
    if (!validEntry(section, key, value))
        return false;
    const QString path = resolvePath(fileName);
    const QFileInfo info(path);
    if (!info.dir().exists()) {
        // Only the Windows directory is made on demand; other folders must exist.
        if (QDir::cleanPath(info.absolutePath()) != QDir(windowsDirectory()).absolutePath() ||
            !QDir().mkpath(info.absolutePath()))
            return false;
    }
    if (info.exists() && (!info.isFile() || readOnly(info)))
        return false;

    const QString lockPath = path + QStringLiteral(".lock");
    removeOrphanedLock(lockPath);
    QLockFile lock(lockPath);
    if (!lock.tryLock(LockTimeoutMs))
        return false;

    const Scan scan = scanFile(path, section, key, false);
    if (scan.exists && !scan.readable)
        return false;

    const QByteArray encoded = value.toUtf8();
    QByteArray piece;
    qint64 at = scan.insertAt;
    qint64 resume = scan.insertAt;
    if (scan.keyFound) {
        // Nothing readers would notice: the file stays as it is.
        if (unquote(decode(scan.rawValue)) == unquote(value))
            return true;
        piece = encoded;
        at = scan.valueStart;
        resume = scan.valueEnd;
    } else {
        // A line that ended the file without a line end gets one before the new line, and every
        // new line ends, as the platform writes them.
        QByteArray eol = scan.insertEol.isEmpty() ? scan.firstEol : scan.insertEol;
        if (eol.isEmpty())
            eol = "\r\n";
        if (scan.insertUnended)
            piece += eol;
        if (!scan.sectionFound)
            piece += '[' + section.toUtf8().trimmed() + ']' + eol;
        piece += key.toUtf8().trimmed() + '=' + encoded + eol;
    }

    QFile old(path);
    if (scan.exists && !old.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (scan.exists) {
        if (!copyRange(old, out, at))
            return false;
    }
    if (out.write(piece) != piece.size())
        return false;
    if (scan.exists) {
        if (!old.seek(resume) || !copyRange(old, out, old.size()))
            return false;
    }
    return out.commit();
}

QStringList GetProfileKeys(const QString &section, const QString &fileName)
{
    return scanFile(resolvePath(fileName), section, {}, true).keys;
}

} // namespace profile
