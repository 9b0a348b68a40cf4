#pragma once

#include "ide/files/projectfile.h"
#include "ide/model/workspace.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>

namespace vbhost {

// What the explorer calls a carried file: a designer's VB_Name, else its file name.
QString carriedName(DocumentKind kind, const QString &path);
// Where a companion of the file from goes beside the file to: under the same base name it keeps
// its own spelling, under another it follows the file it belongs to.
QString companionTarget(const QString &companion, const QString &from, const QString &to);
// Copies a member's companions from beside one file to beside another; throws WriteError or
// ParseError.
void copyCompanions(DocumentKind kind, const QString &from, const QString &to);
// The path as the project file writes it: relative to its folder, with backslashes.
QString projectRelative(const QDir &folder, const QString &path);
bool isInside(const QDir &folder, const QString &path);
// Where in folder a file planned under that name goes without replacing one: the name itself,
// else NAME2.frm, NAME3.frm, ...
QString uniqueTarget(const QFileInfo &planned, const QDir &folder);

} // namespace vbhost
