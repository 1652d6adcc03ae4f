/// \file
/// The bell.
#pragma once

#include "util/text_arg.h"

/// Text "ON" switches the bell on, "OFF" switches it off (either case), anything else rings it
/// when it is on.
void WindowBell(tess::TextRef text);
