#include "serverloader.h"

#include "servermodule.h"

#include "addin/runtime/addinfolder.h"

#include <QLibrary>
#include <cstdio>

namespace tolvar {

QFunctionPointer serverEntry(const char *symbol)
{
    static QLibrary library(AddInPath(QString::fromLatin1(ServerModuleName)));
    if (QFunctionPointer entry = library.resolve(symbol))
        return entry;
    std::fprintf(stderr, "tolvar: %s\n", qPrintable(library.errorString()));
    return nullptr;
}

} // namespace tolvar
