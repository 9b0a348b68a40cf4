#pragma once

#include <array>

namespace tolvar {

// The event code that answers the general menu's clicks, one line per entry, line ends left off.
extern const std::array<const char *, 102> MenuCodeLines;

} // namespace tolvar
