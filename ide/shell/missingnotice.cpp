#include "missingnotice.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QQueue>
#include <QRegularExpression>
#include <QSet>

namespace vbhost {

namespace {

constexpr int kDepth = 4;          // folders below the project folder
constexpr int kEntryBudget = 5000; // folder entries looked at, in all

QString fileNameOf(const QString &memberPath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return memberPath.trimmed().section(separators, -1).toLower();
}

// Records, per wanted lower-case name, the first file found breadth first under folder, down
// to depth folders below it. Links to folders are not followed, so no loop can form.
void indexFiles(const QString &folder, int depth, const QSet<QString> &wanted,
                QHash<QString, QString> &found, int &budget)
{
    QQueue<std::pair<QString, int>> pending;
    pending.enqueue({folder, 0});
    while (!pending.isEmpty() && budget > 0) {
        const auto [path, level] = pending.dequeue();
        // Read entry by entry: a folder of a million files costs no more than the budget.
        QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            if (--budget < 0)
                return;
            const QFileInfo e(it.next());
            if (e.isDir()) {
                if (level < depth && !e.isSymLink())
                    pending.enqueue({e.filePath(), level + 1});
            } else if (const QString name = e.fileName().toLower();
                       wanted.contains(name) && !found.contains(name)) {
                found.insert(name, e.filePath());
            }
        }
    }
}

} // namespace

QStringList findMovedMembers(const QString &projectFolder, const QStringList &memberPaths)
{
    const QDir project(projectFolder);
    const QString parent = QFileInfo(project.absolutePath()).absolutePath();
    auto asProjectPath = [&](const QString &file) {
        return project.relativeFilePath(file).replace(QLatin1Char('/'), QLatin1Char('\\'));
    };
    QStringList out;
    QSet<QString> wanted;
    for (const QString &path : memberPaths) {
        const QString above = ProjectFile::memberFilePath(parent, path);
        out << (QFileInfo(above).isFile() ? asProjectPath(above) : QString());
        if (out.last().isEmpty())
            wanted.insert(fileNameOf(path));
    }
    if (wanted.isEmpty())
        return out;

    QHash<QString, QString> below, beside;
    int budget = kEntryBudget;
    indexFiles(project.absolutePath(), kDepth, wanted, below, budget);
    indexFiles(parent, 0, wanted, beside, budget);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!out[i].isEmpty())
            continue;
        const QString name = fileNameOf(memberPaths[i]);
        const QString file = below.value(name, beside.value(name));
        if (!file.isEmpty())
            out[i] = asProjectPath(file);
    }
    return out;
}

Notice missingFilesNotice(const QString &projectFolder, int fileCount,
                          const QList<ProjectMember> &missing)
{
    Notice notice;
    const QString which =
        fileCount == 1
            ? QStringLiteral("The project's one file")
            : QStringLiteral("%1 of the project's %2 files").arg(missing.size()).arg(fileCount);
    const QString them = missing.size() == 1 ? QStringLiteral("it") : QStringLiteral("them");
    notice.text = QStringLiteral("%1 cannot be found; the project opened without %2 and its file "
                                 "keeps naming %2.")
                      .arg(which, them);

    QStringList paths;
    for (const ProjectMember &m : missing)
        paths << m.path;
    const QStringList moved = findMovedMembers(projectFolder, paths);
    QStringList lines{QStringLiteral("Looked for in %1:")
                          .arg(QDir::toNativeSeparators(QDir(projectFolder).absolutePath()))};
    for (qsizetype i = 0; i < missing.size(); ++i) {
        QString line = QStringLiteral("Line %1: %2").arg(missing[i].line).arg(missing[i].path);
        if (!moved[i].isEmpty())
            line += QStringLiteral(" (found as %1?)").arg(moved[i]);
        lines << line;
    }
    notice.details = lines.join(QLatin1Char('\n'));
    return notice;
}

} // namespace vbhost
