// The dialog state a bad-input snapshot needs beyond StateSnapshot's: the core's dialog table
// and, for every loaded dialog, its window and each control's state as the user meets it, and
// the presented image of a displayed pop-up.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "core/context.h"
#include "dialogs/dialog_table.h"
#include "support/state_snapshot.h"

namespace dlgtest {

inline std::vector<int> window_values(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    std::vector<int> v{GetDlgCtrlID(w),
                       IsWindowVisible(w),
                       IsWindowEnabled(w),
                       static_cast<int>(GetWindowLongPtrA(w, GWL_STYLE)),
                       static_cast<int>(r.left),
                       static_cast<int>(r.top),
                       static_cast<int>(r.right),
                       static_cast<int>(r.bottom),
                       static_cast<int>(SendMessageA(w, BM_GETCHECK, 0, 0)),
                       static_cast<int>(SendMessageA(w, LB_GETCURSEL, 0, 0)),
                       static_cast<int>(SendMessageA(w, CB_GETCURSEL, 0, 0))};
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    GetWindowTextA(w, text.data(), static_cast<int>(text.size()));
    v.insert(v.end(), text.begin(), text.end());
    // A tab control's labels.
    const auto tabs = static_cast<int>(SendMessageA(w, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < tabs; ++i) {
        char label[512] = {};
        TCITEMA t{};
        t.mask = TCIF_TEXT | TCIF_PARAM;
        t.pszText = label;
        t.cchTextMax = sizeof label;
        SendMessageA(w, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
        v.push_back(static_cast<int>(t.lParam));
        v.insert(v.end(), label, label + std::strlen(label));
    }
    return v;
}

inline void add_dialog_parts(testsupport::StateSnapshot& s) {
    const tess::CoreDialogs& d = tess::tk().dialogs;
    for (int i = 0; i < tess::DialogSlots; ++i)
        s.add_record("dialog record " + std::to_string(i), tess::dialog_record(i));
    // ShowFocusField keeps the focus field as asked for, present or not, until the next display.
    s.add_values("dialog bookkeeping", {d.nDialogs, d.iDlgCur, d.iDlgAct, d.nSemi, d.ShowX, d.ShowY,
                                        d.DialogInTransition, d.iSelStart, d.wBlitOn});
    s.add_record("active and last semi-modeless dialog",
                 std::array<HWND, 2>{d.hDlgCur, d.hLastSemi});
    s.add_record("graphics field", d.hGraphicsField);
    for (int i = 1; i <= d.nDialogs; ++i) {
        const HWND dialog = tess::dialog_record(i).Handle;
        const std::string name = "dialog " + std::to_string(i);
        s.add_values(name + " window", window_values(dialog));
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            s.add_values(name + " control " + std::to_string(GetDlgCtrlID(c)), window_values(c));
        if (IsWindowVisible(dialog) && !(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD)) {
            const plat::Surface shown = testsupport::presented_surface(dialog);
            s.add_values(name + " presented image",
                         std::vector<int>(shown.pixels.begin(), shown.pixels.end()));
        }
    }
}

} // namespace dlgtest
