#pragma once

namespace tolvar {

// The plain run, "tolvar" with no arguments: registers the class and the add-in and returns.
// Nothing is shown unless there is an error to report; with no display, or on a platform
// without a screen, errors go to standard error. Returns the process exit code: non-zero when
// anything failed.
int RunRegistering(int argc, char **argv);

} // namespace tolvar
