#include "dialogs/wcomdlg_error.h"

#include <windows.h>

#include <platform_commdlg.h>

namespace tess {

DWORD common_dialog_error() {
    return CommDlgExtendedError();
}

void clear_common_dialog_error() {
    plat::set_commdlg_error(0);
}

} // namespace tess
