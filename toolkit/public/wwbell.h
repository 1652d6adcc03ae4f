// The bell.
#pragma once

#include "util/text_arg.h"

void WindowBell(tess::TextRef text);
