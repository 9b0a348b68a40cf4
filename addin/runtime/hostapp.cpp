#include "hostapp.h"

namespace tolvar {

automation::Value HostApp;

} // namespace tolvar
