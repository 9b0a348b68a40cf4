#pragma once

#include "platform/basic/error.h"

namespace automation {

// Automation failures are the run time's pending error, so that one handler traps both.
using Error = basic::Error;

} // namespace automation
