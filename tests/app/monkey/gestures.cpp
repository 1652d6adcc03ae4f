#include "gestures.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "support/scripted_screen.h"
#include "window/input.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace monkey {

namespace {

using testsupport::key;

// Out of 1000: clicks and typing most, the program's end by Alt+F4 rarely (it restarts).
constexpr int Weights[] = {
    185, // Character
    15,  // Burst: a run of characters at once, long texts in the fields
    50,  // Tab
    20,  // ShiftTab
    70,  // Enter
    40,  // Escape
    70,  // AltLetter
    15,  // Accelerator
    60,  // Arrow
    20,  // FunctionKey
    25,  // Backspace
    3,   // AltF4
    302, // Click
    60,  // DoubleClick
    15,  // RightClick
    50,  // Drag
};
static_assert(std::size(Weights) == GestureCount);

// Numbers are what the formula dialog converts; '/' is left out, so a typed name never leaves
// the directory the file dialog shows except through "..", which the test watches.
constexpr std::string_view NumberCharacters = "0123456789.-+ED,";
constexpr std::string_view OtherCharacters =
    " abcdefghijklmnopqrstuvwxyzABCXYZ!\"#$%&'()*;:<=>?@[\\]^_`{|}~"
    "\xE4\xF6\xFC\xDF\xC4\xD6\xDC";
constexpr std::string_view MenuMnemonics = "DBH";

// The virtual key a character's key has (the character itself travels with the press).
int key_of(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) && u < 0x80) return std::toupper(u);
    switch (c) {
    case ' ':
        return VK_SPACE;
    case '.':
        return VK_OEM_PERIOD;
    case ',':
        return VK_OEM_COMMA;
    case '-':
        return VK_OEM_MINUS;
    case '+':
        return VK_OEM_PLUS;
    default:
        return VK_OEM_1;
    }
}

void with(int modifier, int vk, char c) {
    plat::inject_key(modifier, 0, true);
    key(vk, c);
    plat::inject_key(modifier, 0, false);
}

void click(POINT p, int button) {
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, button, true);
    plat::inject_mouse(p, button, false);
}

// In z-order, depth first: the same windows in the same order whenever the screen is the same
// (the window table's order depends on which slots earlier windows freed).
void visible_descendants(HWND parent, std::vector<HWND>& found) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        found.push_back(c);
        visible_descendants(c, found);
    }
}

} // namespace

std::string_view gesture_name(Gesture g) {
    constexpr std::string_view names[] = {"character",   "burst of characters",
                                          "Tab",         "Shift+Tab",
                                          "Enter",       "Escape",
                                          "Alt+letter",  "Ctrl+O/S",
                                          "arrow",       "F-key",
                                          "Backspace",   "Alt+F4",
                                          "click",       "double click",
                                          "right click", "drag"};
    static_assert(std::size(names) == GestureCount);
    return names[static_cast<std::size_t>(g) % GestureCount];
}

Gesture Hands::pick() {
    int r = below(1000);
    for (std::size_t i = 0; i < GestureCount; ++i) {
        if (r < Weights[i]) return static_cast<Gesture>(i);
        r -= Weights[i];
    }
    return Gesture::Click;
}

char Hands::character() {
    const std::string_view from = chance(50) ? NumberCharacters : OtherCharacters;
    return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
}

POINT Hands::inside(const RECT& r) {
    const int w = std::max<int>(1, r.right - r.left), h = std::max<int>(1, r.bottom - r.top);
    return {r.left + below(w), r.top + below(h)};
}

// Anywhere on the screen now and then; mostly on a window that shows, the topmost most often:
// an item of the menu bar, a control of a dialog, a pop-up menu's items.
POINT Hands::aim(const Scene& scene) {
    const SIZE screen = plat::backend().screen_size();
    if (scene.tops.empty() || chance(25)) return {below(screen.cx), below(screen.cy)};
    const HWND target =
        chance(70)
            ? scene.tops.front()
            : scene.tops[static_cast<std::size_t>(below(static_cast<int>(scene.tops.size())))];
    if (target == scene.frame && chance(40)) {
        const HMENU bar = GetMenu(target);
        const int items = bar ? GetMenuItemCount(bar) : 0;
        RECT r;
        if (items > 0 && GetMenuItemRect(target, bar, static_cast<UINT>(below(items)), &r))
            return inside(r);
    }
    RECT r = plat::screen_rect(target);
    if (chance(80)) {
        std::vector<HWND> controls;
        visible_descendants(target, controls);
        if (!controls.empty())
            r = plat::screen_rect(
                controls[static_cast<std::size_t>(below(static_cast<int>(controls.size())))]);
    }
    return inside(r);
}

Gesture Hands::play(const Scene& scene) {
    const Gesture g = pick();
    play(g, scene);
    return g;
}

void Hands::play(Gesture g, const Scene& scene) {
    ++counts_[static_cast<std::size_t>(g)];
    switch (g) {
    case Gesture::Character: {
        const char c = character();
        key(key_of(c), c);
        break;
    }
    case Gesture::Burst:
        // Mostly a word or a number, now and then more than any field or file name takes.
        for (int n = chance(10) ? 100 + below(200) : 2 + below(30); n > 0; --n) {
            const char c = character();
            key(key_of(c), c);
        }
        break;
    case Gesture::Tab:
        key(VK_TAB, '\t');
        break;
    case Gesture::ShiftTab:
        with(VK_SHIFT, VK_TAB, '\t');
        break;
    case Gesture::Enter:
        key(VK_RETURN, '\r');
        break;
    case Gesture::Escape:
        key(VK_ESCAPE, 27);
        break;
    case Gesture::AltLetter: {
        const char c = chance(70) ? MenuMnemonics[static_cast<std::size_t>(below(3))]
                                  : static_cast<char>('A' + below(26));
        with(VK_MENU, c, static_cast<char>(std::tolower(c)));
        break;
    }
    case Gesture::Accelerator: {
        const char c = chance(50) ? 'O' : 'S';
        with(VK_CONTROL, c, static_cast<char>(c - '@'));
        break;
    }
    case Gesture::Arrow:
        key(VK_LEFT + below(4));
        break;
    case Gesture::FunctionKey:
        key(VK_F1 + below(12));
        break;
    case Gesture::Backspace:
        key(VK_BACK, 8);
        break;
    case Gesture::AltF4:
        with(VK_MENU, VK_F4, 0);
        break;
    case Gesture::Click:
        click(aim(scene), 0);
        break;
    case Gesture::DoubleClick: {
        const POINT p = aim(scene);
        click(p, 0);
        click(p, 0);
        break;
    }
    case Gesture::RightClick:
        click(aim(scene), 1);
        break;
    case Gesture::Drag: {
        const POINT from = aim(scene);
        const POINT to =
            chance(50) ? aim(scene) : POINT{from.x + below(201) - 100, from.y + below(201) - 100};
        plat::inject_mouse_move(from);
        plat::inject_mouse(from, 0, true);
        for (int k = 1; k <= 3; ++k)
            plat::inject_mouse_move(
                {from.x + (to.x - from.x) * k / 4, from.y + (to.y - from.y) * k / 4});
        plat::inject_mouse_move(to);
        plat::inject_mouse(to, 0, false);
        break;
    }
    case Gesture::Count:
        break;
    }
}

} // namespace monkey
