#pragma once

#include "platform/automation/value.h"

namespace tolvar {

// The environment's application object: Empty until the first ConnectAddIn, replaced by every
// later one and never cleared. Every project operation starts here.
extern automation::Value HostApp;

} // namespace tolvar
