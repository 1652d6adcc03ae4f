// The code CommDlgExtendedError reports: set by each common dialog function as it ends.
#pragma once

#include <windows.h>

namespace plat {

void set_commdlg_error(DWORD code);

} // namespace plat
