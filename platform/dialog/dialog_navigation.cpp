// Tab order and groups. Both follow the order of the dialog's controls (the template's order)
// and pass over controls that are hidden or disabled; both wrap around.
#include <vector>

#include "controls/control.h"
#include "dialog/dialog_state.h"

using plat::style_of;

namespace {

std::vector<HWND> controls_of(HWND dialog) {
    std::vector<HWND> all;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        all.push_back(c);
    return all;
}

// The control's own styles count: the controls of a dialog not shown yet are candidates too.
bool can_take_focus(HWND hwnd) {
    const DWORD style = style_of(hwnd);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// Steps from index start (excluded) in the given direction over [begin, end), wrapping, and
// returns the first control that passes the test; start itself is tried last.
template <class Test>
HWND step(const std::vector<HWND>& all, std::size_t begin, std::size_t end, std::size_t start,
          bool previous, Test test) {
    const std::size_t count = end - begin;
    for (std::size_t k = 1; k <= count; ++k) {
        const std::size_t offset = start - begin;
        const std::size_t i =
            begin + (previous ? (offset + count - k % count) % count : (offset + k) % count);
        if (test(all[i])) return all[i];
    }
    return nullptr;
}

} // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const std::vector<HWND> all = controls_of(dialog);
    if (all.empty()) return nullptr;
    std::size_t start = previous ? 0 : all.size() - 1; // no control: from the first or last
    if (control) {
        if (!IsChild(dialog, control)) return nullptr;
        while (GetParent(control) != dialog)
            control = GetParent(control);
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == control) start = i;
    }
    const HWND found = step(all, 0, all.size(), start, previous,
                            [](HWND c) { return (style_of(c) & WS_TABSTOP) && can_take_focus(c); });
    return found ? found : control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const std::vector<HWND> all = controls_of(dialog);
    if (all.empty()) return nullptr;
    std::size_t at = previous ? 0 : all.size() - 1;
    if (control) {
        if (!IsChild(dialog, control)) return nullptr;
        while (GetParent(control) != dialog)
            control = GetParent(control);
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == control) at = i;
    }
    // The group runs from the nearest WS_GROUP control at or before this one up to the next.
    std::size_t begin = at;
    while (begin > 0 && !(style_of(all[begin]) & WS_GROUP))
        --begin;
    std::size_t end = at + 1;
    while (end < all.size() && !(style_of(all[end]) & WS_GROUP))
        ++end;
    const HWND found = step(all, begin, end, at, previous, can_take_focus);
    return found ? found : control;
}
