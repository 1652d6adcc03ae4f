// Dialog units: a quarter of the dialog font's average character width across, an eighth of its
// height down.
#include "dialog/dialog_state.h"

using namespace plat;

namespace {

// As MulDiv: the product over the divisor, rounded half away from zero.
LONG scale(LONG units, LONG base, LONG divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<LONG>(product >= 0 ? (product + half) / divisor
                                          : -((-product + half) / divisor));
}

} // namespace

RECT plat::map_dialog_units(SIZE base, RECT r) {
    return {scale(r.left, base.cx, 4), scale(r.top, base.cy, 8), scale(r.right, base.cx, 4),
            scale(r.bottom, base.cy, 8)};
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    const DialogState* s = existing_dialog_state(dialog);
    if (!s || !rect || s->baseUnits.cx <= 0) return FALSE;
    *rect = map_dialog_units(s->baseUnits, *rect);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    static const SIZE units = font_base_units(nullptr);
    return static_cast<LONG>(MAKELONG(units.cx, units.cy));
}
