#pragma once

#include "ide/files/projectfile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vbhost {

// A message in a line or two, and the long part that goes under "Show Details...".
struct Notice
{
    QString text;
    QString details;
};

// For each member path, where a file of that name is near the project folder: one level up
// along the same path (a project file moved down a folder), else anywhere a few folders deep
// under the project folder, else in the folder above. The path is relative to the project
// folder and written with backslashes, as the project writes paths; empty when none is found.
// The search looks at a bounded number of folder entries, so a huge folder stays quick.
QStringList findMovedMembers(const QString &projectFolder, const QStringList &memberPaths);

// What vbhost says after opening a project of fileCount files of which these are missing.
Notice missingFilesNotice(const QString &projectFolder, int fileCount,
                          const QList<ProjectMember> &missing);

} // namespace vbhost
