#pragma once

#include <QString>

namespace tolvar {

// The page of instructions the screen saver window shows and prints: 47 lines, each ended by
// a carriage return and line feed.
QString screenSaverInstructions();

} // namespace tolvar
