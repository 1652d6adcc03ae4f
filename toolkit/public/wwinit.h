/// \file
/// Start-up of the toolkit.
#pragma once

#include "util/text_arg.h"

using tess::TextRef;

/// Prepares every setting before any window exists; iniFile names a configuration file to try
/// first (blank: none). Only the first call does anything.
void WInitialise(TextRef iniFile = " ");

/// value := the environment variable name, blank-padded; blank when unset, empty or too long.
void IOsVariable(TextRef name, TextRef value);
