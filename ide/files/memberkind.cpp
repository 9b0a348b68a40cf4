#include "ide/files/memberkind.h"

#include <QDir>
#include <QFileInfo>

namespace vbhost {

namespace {

struct KindFiles
{
    MemberKind kind;
    const char *suffix;
    const char *companions; // space-separated
    const char *className;
};

constexpr KindFiles kindFiles[] = {
    {MemberKind::Form, "frm", "frx", "Form"},
    {MemberKind::Module, "bas", "", "Module"},
    {MemberKind::Class, "cls", "", "Class"},
    {MemberKind::UserControl, "ctl", "ctx", "UserControl"},
    {MemberKind::PropertyPage, "pag", "pgx", "PropertyPage"},
    {MemberKind::UserDocument, "dob", "dox", "UserDocument"},
    {MemberKind::Designer, "dsr", "dca dsx", "Designer"},
    {MemberKind::ResourceFile, "res", "", "Resource"},
};

const KindFiles *filesOf(MemberKind kind)
{
    for (const KindFiles &k : kindFiles) {
        if (k.kind == kind)
            return &k;
    }
    return nullptr;
}

} // namespace

bool hasDesigner(MemberKind kind)
{
    return kind == MemberKind::Form || kind == MemberKind::UserControl ||
           kind == MemberKind::PropertyPage || kind == MemberKind::UserDocument;
}

bool isCodeMember(MemberKind kind)
{
    return hasDesigner(kind) || kind == MemberKind::Module || kind == MemberKind::Class;
}

QStringList companionSuffixes(MemberKind kind)
{
    const KindFiles *k = filesOf(kind);
    return k ? QString::fromLatin1(k->companions).split(u' ', Qt::SkipEmptyParts) : QStringList();
}

QStringList companionFiles(MemberKind kind, const QString &filePath)
{
    const QStringList suffixes = companionSuffixes(kind);
    if (suffixes.isEmpty() || filePath.isEmpty())
        return {};
    const QFileInfo file(filePath);
    const QDir dir = file.absoluteDir();
    const QString base = file.completeBaseName();
    QStringList out;
    for (const QString &suffix : suffixes) {
        const QString wanted = base + u'.' + suffix;
        QString found;
        if (QFileInfo(dir.filePath(wanted)).isFile()) {
            found = wanted;
        } else {
            // Written on a system that ignores letter case: Form1.FRX beside Form1.frm.
            const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
            for (const QString &name : names) {
                if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                    found = name;
            }
        }
        if (!found.isEmpty())
            out << dir.filePath(found);
    }
    return out;
}

MemberKind memberKindForFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const KindFiles &k : kindFiles) {
        if (suffix == QLatin1String(k.suffix))
            return k.kind;
    }
    return MemberKind::RelatedDocument;
}

QString memberClassName(MemberKind kind)
{
    const KindFiles *k = filesOf(kind);
    return k ? QString::fromLatin1(k->className) : QStringLiteral("Related Document");
}

QString memberSuffix(MemberKind kind)
{
    const KindFiles *k = filesOf(kind);
    return k ? QString::fromLatin1(k->suffix) : QString();
}

} // namespace vbhost
