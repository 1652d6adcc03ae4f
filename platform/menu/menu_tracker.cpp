// The menu loop. While a menu is open this loop owns the mouse and the keyboard: it reads the
// input itself and dispatches everything else, so every window keeps being served. A chosen
// command is posted to the owner as WM_COMMAND once the menus have closed.
#include "menu/menu_tracker.h"

#include <vector>

#include "backend/backend.h"
#include "menu/menu_layout.h"
#include "menu/menu_table.h"
#include "window/modal_loop.h"
#include "window/nonclient.h"
#include "window/window_table.h"

namespace plat {
namespace {

struct Level {
    HMENU menu = nullptr;
    HWND window = nullptr;
    PopupLayout layout;
    POINT origin{}; // the pop-up window's top-left corner on the screen
    int selected = -1;
};

struct Tracker {
    HWND owner = nullptr;
    HMENU bar = nullptr;        // null for a free-standing pop-up
    std::vector<RECT> barItems; // on the screen
    int barSelected = -1;
    std::vector<Level> levels;
    bool done = false;
    UINT chosen = 0;
    UINT chooseButtons = 0; // the buttons whose release chooses: bit 0 left, bit 1 right
    POINT start{};
    bool armed = false; // a release chooses only after the pointer moved or a button went down
};

Tracker* active = nullptr;

UINT item_flags(HMENU menu, int pos) {
    const Menu* m = menu_of(menu);
    if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return 0;
    return m->items[static_cast<std::size_t>(pos)].flags;
}

void send_select(const Tracker& t, HMENU menu, int pos) {
    const Menu* m = menu_of(menu);
    if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return;
    const MenuItem& item = m->items[static_cast<std::size_t>(pos)];
    const bool popup = item.flags & MF_POPUP;
    SendMessageA(t.owner, WM_MENUSELECT,
                 MAKEWPARAM(static_cast<WORD>(popup ? static_cast<UINT>(pos) : item.id),
                            static_cast<WORD>((item.flags & ~MF_HILITE) | MF_HILITE)),
                 reinterpret_cast<LPARAM>(menu));
}

// A highlight changes no layout: only the frame is painted again, not recalculated as
// DrawMenuBar would.
void redraw_bar(const Tracker& t) {
    if (t.bar && IsWindow(t.owner)) SendMessageA(t.owner, WM_NCPAINT, 1, 0);
}

void close_from(Tracker& t, std::size_t k) {
    while (t.levels.size() > k) {
        const HWND w = t.levels.back().window;
        t.levels.pop_back();
        if (IsWindow(w)) DestroyWindow(w);
    }
}

// Keeps a pop-up on the screen: it flips to the other side of `avoid` when it would run off.
POINT fit_on_screen(POINT at, SIZE size, const RECT& avoid) {
    const SIZE screen = backend().screen_size();
    if (at.x + size.cx > screen.cx) at.x = std::max<LONG>(0, screen.cx - size.cx);
    if (at.y + size.cy > screen.cy)
        at.y = std::max<LONG>(0, (avoid.top > avoid.bottom ? screen.cy : avoid.top) - size.cy);
    return {std::max<LONG>(at.x, 0), std::max<LONG>(at.y, 0)};
}

void select(Tracker& t, std::size_t k, int pos) {
    Level& level = t.levels[k];
    if (level.selected == pos) return;
    level.selected = pos;
    InvalidateRect(level.window, nullptr, FALSE);
    send_select(t, level.menu, pos);
}

void select_first(Tracker& t, std::size_t k) {
    const Menu* m = menu_of(t.levels[k].menu);
    const int n = m ? static_cast<int>(m->items.size()) : 0;
    for (int i = 0; i < n; ++i)
        if (selectable(t.levels[k].menu, i)) return select(t, k, i);
}

// Asks the owner to prepare the pop-up, then shows it; false when there is nothing to show.
bool open_popup(Tracker& t, HMENU menu, POINT at, int sourceIndex, const RECT& avoid) {
    SendMessageA(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(static_cast<WORD>(sourceIndex), 0));
    if (!IsWindow(t.owner)) {
        t.done = true;
        return false;
    }
    const Menu* m = menu_of(menu);
    if (!m || m->items.empty()) return false;
    Level level;
    level.menu = menu;
    level.layout = layout_popup(menu);
    level.origin = fit_on_screen(at, level.layout.size, avoid);
    level.window = create_popup_window(level.origin, level.layout.size, t.owner);
    if (!level.window) return false;
    t.levels.push_back(std::move(level));
    UpdateWindow(t.levels.back().window);
    return true;
}

// Moves the bar's selection to an item; its pop-up opens only when asked.
void open_bar_item(Tracker& t, int index, bool selectFirst, bool openPopup = true) {
    close_from(t, 0);
    t.barSelected = index;
    redraw_bar(t);
    send_select(t, t.bar, index);
    if (!openPopup) return;
    const UINT flags = item_flags(t.bar, index);
    if (!(flags & MF_POPUP) || (flags & (MF_GRAYED | MF_DISABLED))) return;
    const RECT& r = t.barItems[static_cast<std::size_t>(index)];
    if (open_popup(t, GetSubMenu(t.bar, index), {r.left, r.bottom}, index, r) && selectFirst)
        select_first(t, 0);
}

void open_submenu(Tracker& t, std::size_t k, bool selectFirst) {
    const Level& level = t.levels[k];
    const int pos = level.selected;
    const UINT flags = item_flags(level.menu, pos);
    if (!(flags & MF_POPUP) || (flags & (MF_GRAYED | MF_DISABLED))) return;
    if (t.levels.size() > k + 1) return; // already open
    const RECT& item = level.layout.items[static_cast<std::size_t>(pos)];
    const RECT onScreen{level.origin.x + item.left, level.origin.y + item.top,
                        level.origin.x + item.right, level.origin.y + item.bottom};
    if (open_popup(t, GetSubMenu(level.menu, pos),
                   {onScreen.right - PopupBorder, onScreen.top - PopupBorder}, pos, onScreen) &&
        selectFirst)
        select_first(t, k + 1);
}

// Enter on an item, or a release over it: a pop-up opens, an enabled command is chosen and a
// greyed one does nothing.
void activate(Tracker& t, std::size_t k, int pos) {
    const Level& level = t.levels[k];
    if (!selectable(level.menu, pos)) return;
    if (item_flags(level.menu, pos) & MF_POPUP) return open_submenu(t, k, true);
    if (!item_enabled(level.menu, pos)) return;
    t.chosen = GetMenuItemID(level.menu, pos);
    t.done = true;
}

// The deepest pop-up under a screen point and the item there (-1 between items).
int level_at(const Tracker& t, POINT p, int& item) {
    for (int k = static_cast<int>(t.levels.size()) - 1; k >= 0; --k) {
        const Level& level = t.levels[static_cast<std::size_t>(k)];
        const POINT local{p.x - level.origin.x, p.y - level.origin.y};
        if (local.x < 0 || local.y < 0 || local.x >= level.layout.size.cx ||
            local.y >= level.layout.size.cy)
            continue;
        item = -1;
        for (std::size_t i = 0; i < level.layout.items.size(); ++i)
            if (PtInRect(&level.layout.items[i], local)) item = static_cast<int>(i);
        return k;
    }
    return -1;
}

int bar_item_at(const Tracker& t, POINT p) {
    for (std::size_t i = 0; i < t.barItems.size(); ++i)
        if (PtInRect(&t.barItems[i], p)) return static_cast<int>(i);
    return -1;
}

// -------------------------------------------------------------------- mouse

int pressed_button(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        return 1;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return 2;
    default:
        return -1;
    }
}

int released_button(UINT message) {
    switch (message) {
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        return 0;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        return 1;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        return 2;
    default:
        return -1;
    }
}

bool is_mouse_message(UINT m) {
    return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}

void on_pointer_over_item(Tracker& t, std::size_t k, int item) {
    if (item < 0 || !selectable(t.levels[k].menu, item)) return;
    if (t.levels[k].selected != item) {
        close_from(t, k + 1);
        select(t, k, item);
    }
    open_submenu(t, k, false);
}

void on_mouse(Tracker& t, const MSG& msg) {
    const POINT p = msg.pt;
    const int pressed = pressed_button(msg.message), released = released_button(msg.message);
    const bool moved = msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE;
    if (moved && (p.x != t.start.x || p.y != t.start.y)) t.armed = true;
    if (pressed >= 0) t.armed = true;

    int item = -1;
    const int k = level_at(t, p, item);
    if (k >= 0) {
        const auto level = static_cast<std::size_t>(k);
        if (moved || pressed >= 0) on_pointer_over_item(t, level, item);
        if (released >= 0 && t.armed && (t.chooseButtons & (1u << released)) && item >= 0)
            activate(t, level, item);
        return;
    }
    const int b = bar_item_at(t, p);
    if (b >= 0) {
        if (pressed >= 0) {
            // A press on the open title closes the menu; on another title it opens that one.
            if (b == t.barSelected && !t.levels.empty())
                t.done = true;
            else
                open_bar_item(t, b, false);
        } else if (moved && b != t.barSelected && !t.levels.empty()) {
            open_bar_item(t, b, false);
        }
        return;
    }
    // A press anywhere else ends the menu and is not passed on.
    if (pressed >= 0) t.done = true;
}

// -------------------------------------------------------------------- keyboard

void move_bar(Tracker& t, int step) {
    const int n = static_cast<int>(t.barItems.size());
    if (!t.bar || n == 0) return;
    const bool wasOpen = !t.levels.empty();
    const int next = ((t.barSelected < 0 ? 0 : t.barSelected) + step + n) % n;
    open_bar_item(t, next, wasOpen, wasOpen);
}

void move_in_level(Tracker& t, std::size_t k, int step) {
    const Menu* m = menu_of(t.levels[k].menu);
    const int n = m ? static_cast<int>(m->items.size()) : 0;
    int pos = t.levels[k].selected;
    for (int tries = 0; tries < n; ++tries) {
        pos = pos < 0 ? (step > 0 ? 0 : n - 1) : (pos + step + n) % n;
        if (selectable(t.levels[k].menu, pos)) {
            close_from(t, k + 1);
            return select(t, k, pos);
        }
    }
}

void on_key(Tracker& t, WPARAM vk) {
    const bool open = !t.levels.empty();
    const std::size_t deepest = open ? t.levels.size() - 1 : 0;
    switch (vk) {
    case VK_ESCAPE:
        if (t.levels.size() > 1 || (open && t.bar))
            close_from(t, t.levels.size() - 1);
        else
            t.done = true;
        break;
    case VK_MENU:
    case VK_F10:
        t.done = true;
        break;
    case VK_LEFT:
        if (t.levels.size() > 1)
            close_from(t, t.levels.size() - 1);
        else
            move_bar(t, -1);
        break;
    case VK_RIGHT:
        if (open && (item_flags(t.levels[deepest].menu, t.levels[deepest].selected) & MF_POPUP))
            open_submenu(t, deepest, true);
        else
            move_bar(t, +1);
        break;
    case VK_UP:
    case VK_DOWN:
        if (!open) {
            if (t.barSelected >= 0) open_bar_item(t, t.barSelected, true);
        } else {
            move_in_level(t, deepest, vk == VK_DOWN ? +1 : -1);
        }
        break;
    case VK_RETURN:
        if (!open) {
            if (t.barSelected >= 0) open_bar_item(t, t.barSelected, true);
        } else {
            activate(t, deepest, t.levels[deepest].selected);
        }
        break;
    default:
        break;
    }
}

// A mnemonic picks the item at once when it is the only one with that letter; otherwise it
// moves to the next item that has it.
void on_character(Tracker& t, char c) {
    if (c == 0 || c == '\r' || c == '\x1b') return;
    bool unique = false;
    if (t.levels.empty()) {
        const int b = find_mnemonic(t.bar, c, t.barSelected, &unique);
        if (b < 0) return (void)MessageBeep(0);
        open_bar_item(t, b, true);
        return;
    }
    const std::size_t k = t.levels.size() - 1;
    const int pos = find_mnemonic(t.levels[k].menu, c, t.levels[k].selected, &unique);
    if (pos < 0) return (void)MessageBeep(0);
    close_from(t, k + 1);
    select(t, k, pos);
    if (unique) activate(t, k, pos);
}

bool is_navigation_key(WPARAM vk) {
    switch (vk) {
    case VK_ESCAPE:
    case VK_RETURN:
    case VK_MENU:
    case VK_F10:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

bool is_key_message(UINT m) {
    return m >= WM_KEYFIRST && m <= WM_KEYLAST;
}

// -------------------------------------------------------------------- the loop

// The tracker the pop-up windows and the bar painting look at while a loop runs.
class ActiveScope {
public:
    explicit ActiveScope(Tracker& t) : outer_(active) { active = &t; }
    ~ActiveScope() { active = outer_; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

private:
    Tracker* outer_;
};

void run(Tracker& t) {
    SetCapture(t.owner);
    ModalLoop loop;
    loop.owner = t.owner;
    loop.idleCode = MSGF_MENU;
    loop.idleWindow = [&t] { return t.levels.empty() ? t.owner : t.levels.back().window; };
    // An item with no pop-up left to show, and nothing selected on the bar, ends the loop.
    loop.done = [&t] { return t.done || (!t.bar && t.levels.empty()); };
    loop.filter = [&t](MSG& msg) {
        if (is_mouse_message(msg.message)) {
            on_mouse(t, msg);
            return true;
        }
        if (!is_key_message(msg.message)) return false;
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            // Keys the loop acts on make no characters: an Enter that chooses an item must not
            // reach the owner as a character afterwards.
            if (!is_navigation_key(msg.wParam)) TranslateMessage(&msg);
            on_key(t, msg.wParam);
        } else if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            on_character(t, static_cast<char>(msg.wParam));
        }
        return true;
    };
    run_modal_loop(loop);
    close_from(t, 0);
    t.barSelected = -1;
    redraw_bar(t);
    if (GetCapture() == t.owner) ReleaseCapture();
    if (IsWindow(t.owner)) {
        SendMessageA(t.owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessageA(t.owner, WM_EXITMENULOOP, t.bar ? FALSE : TRUE, 0);
    }
}

RECT bar_on_screen(HWND frame) {
    const Window* w = lookup(frame);
    RECT window;
    GetWindowRect(frame, &window);
    const RECT in = frame_insets(w->style, w->exStyle, true);
    return {window.left + in.left, window.top + in.top - MenuBarHeight, window.right - in.right,
            window.top + in.top};
}

} // namespace

void track_menu_bar(HWND frame, const BarEntry& entry) {
    const Window* w = lookup(frame);
    if (!w || (w->style & WS_CHILD) || !menu_of(w->menu) || active) return;
    Tracker t;
    t.owner = frame;
    t.bar = w->menu;
    t.chooseButtons = 3;
    t.start = entry.point;
    t.barItems = layout_menu_bar(t.bar, bar_on_screen(frame));
    int first = 0;
    if (entry.byMouse) {
        first = bar_item_at(t, entry.point);
        if (first < 0) return;
    } else if (entry.mnemonic) {
        first = find_mnemonic(t.bar, entry.mnemonic, -1);
        if (first < 0) return (void)MessageBeep(0);
    } else if (t.barItems.empty()) {
        return;
    }
    const ActiveScope scope(t);
    SendMessageA(frame, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageA(frame, WM_INITMENU, reinterpret_cast<WPARAM>(t.bar), 0);
    if (!IsWindow(frame)) return;
    if (entry.byMouse || entry.mnemonic) {
        open_bar_item(t, first, entry.mnemonic != 0);
    } else {
        open_bar_item(t, first, false, false);
    }
    run(t);
    if (t.chosen && IsWindow(frame)) PostMessageA(frame, WM_COMMAND, MAKEWPARAM(t.chosen, 0), 0);
}

UINT track_popup(HMENU menu, UINT flags, POINT at, HWND owner) {
    if (!menu_of(menu) || !IsWindow(owner) || active) return 0;
    Tracker t;
    t.owner = owner;
    t.chooseButtons = (flags & TPM_RIGHTBUTTON) ? 3 : 1;
    t.start = at;
    const ActiveScope scope(t);
    SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageA(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    if (!IsWindow(owner)) return 0;
    // The alignment flags say which corner or edge of the pop-up lies at the point.
    const PopupLayout layout = layout_popup(menu);
    if (flags & TPM_RIGHTALIGN)
        at.x -= layout.size.cx;
    else if (flags & TPM_CENTERALIGN)
        at.x -= layout.size.cx / 2;
    if (flags & TPM_BOTTOMALIGN)
        at.y -= layout.size.cy;
    else if (flags & TPM_VCENTERALIGN)
        at.y -= layout.size.cy / 2;
    if (!open_popup(t, menu, at, 0, {at.x, at.y, at.x, at.y})) return 0;
    run(t);
    return t.chosen;
}

int menu_bar_highlight(HWND frame) {
    return active && active->owner == frame && active->bar ? active->barSelected : -1;
}

bool popup_view(HWND popup, PopupView& view) {
    if (!active) return false;
    for (const Level& level : active->levels) {
        if (level.window != popup) continue;
        view.menu = level.menu;
        view.layout = &level.layout;
        view.selected = level.selected;
        return true;
    }
    return false;
}

} // namespace plat

// Bar items of a frame's menu, or items of a pop-up while it is shown, in screen coordinates.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, RECT* rect) {
    using namespace plat;
    if (!rect || !menu_of(menu)) return FALSE;
    const auto pos = static_cast<std::size_t>(position);
    if (hwnd && GetMenu(hwnd) == menu) {
        const std::vector<RECT> items = layout_menu_bar(menu, bar_on_screen(hwnd));
        if (pos >= items.size()) return FALSE;
        *rect = items[pos];
        return TRUE;
    }
    if (!active) return FALSE;
    for (const Level& level : active->levels) {
        if (level.menu != menu || pos >= level.layout.items.size()) continue;
        *rect = level.layout.items[pos];
        OffsetRect(rect, level.origin.x, level.origin.y);
        return TRUE;
    }
    return FALSE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!plat::menu_of(menu) || !IsWindow(owner)) return FALSE;
    const UINT chosen = plat::track_popup(menu, flags, {x, y}, owner);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen && !(flags & TPM_NONOTIFY))
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}
