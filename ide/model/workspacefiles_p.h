#pragma once

#include "ide/files/projectfile.h"
#include "ide/model/workspace.h"

#include <QDir>
#include <QString>

namespace vbhost {

// The kind of project line a document is listed under.
ProjectMember::Kind memberKindFor(DocumentKind kind);
// The path as the project file writes it: relative to its folder, with backslashes.
QString projectRelative(const QDir &folder, const QString &path);
bool isInside(const QDir &folder, const QString &path);

} // namespace vbhost
