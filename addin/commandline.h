#pragma once

#include "platform/commandline/commandline.h"

#include <optional>

namespace tolvar {

// What tolvar takes: nothing (the registering run), or "-Embedding --peer=ADDRESS
// [--owner-window=ID]" from the environment; arguments exclude the program name.
commandline::Standard ParseCommandLine(const QStringList &arguments);

QString CommandLineUsage();

// First thing in main, before any Qt object exists: answers --help, --version and a command line
// tolvar does not take, returning the exit code; nothing when tolvar should run.
std::optional<int> AnswerCommandLine(int argc, char **argv);

} // namespace tolvar
