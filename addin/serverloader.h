#pragma once

#include <QFunctionPointer>

namespace tolvar {

// An entry point of the serving library in the add-in folder, loaded on first use. Null when
// the library cannot be loaded: the reason has gone to standard error.
QFunctionPointer serverEntry(const char *symbol);

} // namespace tolvar
