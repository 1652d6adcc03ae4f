// The layer's common-dialog error for the toolkit, which sees only this folder: its common
// dialogs reset the code before each box or selection, so a code read after one is its own.
#pragma once

#include "../commdlg/commdlg_error.h"
