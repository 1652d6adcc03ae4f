// The per-dialog records and the dialog units of a font.
#include "dialog/dialog_state.h"

#include <unordered_map>

namespace plat {
namespace {

std::unordered_map<HWND, DialogState>& states() {
    static std::unordered_map<HWND, DialogState> all;
    return all;
}

} // namespace

DialogState* dialog_state(HWND dialog) {
    if (!IsWindow(dialog)) return nullptr;
    return &states()[dialog];
}

DialogState* existing_dialog_state(HWND dialog) {
    const auto it = states().find(dialog);
    return it != states().end() && IsWindow(dialog) ? &it->second : nullptr;
}

void forget_dialog_state(HWND dialog) {
    states().erase(dialog);
}

SIZE font_base_units(HFONT font) {
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    TEXTMETRICA tm{};
    GetTextExtentPoint32A(dc, letters, 52, &extent);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, previous);
    DeleteDC(dc);
    // Half of the width of 52 letters over 26, rounded to the nearest pixel.
    return {(extent.cx / 26 + 1) / 2, tm.tmHeight};
}

} // namespace plat
