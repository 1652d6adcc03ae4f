// Window manager: classes, windows, messages, input, timers, painting.
#pragma once

#include "types.h"
