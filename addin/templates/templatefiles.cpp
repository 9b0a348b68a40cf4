#include "templatefiles.h"

#include "platform/automation/error.h"
#include "platform/automation/object.h"

#include <QDir>
#include <QFileInfo>

namespace tolvar {

const QList<TemplateCategory> &templateCategories()
{
    static const QList<TemplateCategory> list = {
        {QStringLiteral("Classes"), QStringLiteral("*.cls")},
        {QStringLiteral("Forms"), QStringLiteral("*.frm")},
        {QStringLiteral("Modules"), QStringLiteral("*.bas")},
    };
    return list;
}

QString templatePattern(const QString &categoryText)
{
    for (const TemplateCategory &c : templateCategories()) {
        if (c.text == categoryText)
            return c.pattern;
    }
    return {};
}

QStringList matchingFiles(const QString &folder, const QString &pattern)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        throw automation::Error(76, QStringLiteral("Path not found"));
    QDir dir(folder);
    dir.setNameFilters(pattern.split(u';', Qt::SkipEmptyParts));
    // Without QDir::CaseSensitive the patterns match any letter case.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QString templateFilePath(const QString &folder, const QString &fileName)
{
    return folder + u'/' + fileName;
}

void addTemplateToProject(const automation::Value &application, const QString &path)
{
    const automation::Value project =
        automation::invoke(application, QStringLiteral("ActiveProject"));
    automation::invoke(project, QStringLiteral("AddFile"), {path});
}

} // namespace tolvar
