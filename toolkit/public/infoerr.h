/// \file
/// The error record as the application sees it: the last failure and the debug level.
#pragma once

/// Kind 1: the error number, 2: the file status, anything else: the dialog status. The returned
/// field is reset to 0.
int InfoError(const int& kind);
/// Stores a level of 0 to 4; any other value is ignored.
void IDebugLevel(const int& level);
