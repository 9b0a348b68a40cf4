#include "control.h"
