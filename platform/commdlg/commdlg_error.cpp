#include "commdlg/commdlg_error.h"

namespace plat {
namespace {

DWORD lastError = 0;

} // namespace

void set_commdlg_error(DWORD code) {
    lastError = code;
}

} // namespace plat

DWORD CommDlgExtendedError() {
    return plat::lastError;
}
