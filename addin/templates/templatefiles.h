#pragma once

#include "platform/automation/value.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvar {

// One kind of template kept in the add-in folder: the text shown for it and the file-name
// pattern that selects its files.
struct TemplateCategory
{
    QString text;
    QString pattern;
};

// "Classes", "Forms" and "Modules", in list order.
const QList<TemplateCategory> &templateCategories();

// The pattern of the category with exactly this text; empty for any other text.
QString templatePattern(const QString &categoryText);

// The names of the files directly in folder that match pattern (wildcards, several separated by
// ';'), without regard to letter case, sorted by name as a file list shows them. Hidden files and
// folders are left out. A folder that does not exist raises 76 "Path not found".
QStringList matchingFiles(const QString &folder, const QString &pattern);

// The folder, a separator and the name, joined unconditionally.
QString templateFilePath(const QString &folder, const QString &fileName);

// Adds the file to the application's active project; the host decides whether it may.
void addTemplateToProject(const automation::Value &application, const QString &path);

} // namespace tolvar
