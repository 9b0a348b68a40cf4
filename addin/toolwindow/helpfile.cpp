#include "helpfile.h"

namespace tolvar {

namespace {
QString &helpFile()
{
    static QString path;
    return path;
}
} // namespace

void setAppHelpFile(const QString &path)
{
    helpFile() = path;
}

QString appHelpFile()
{
    return helpFile();
}

} // namespace tolvar
