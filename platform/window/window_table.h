// The window manager's records: registered classes and the table of live windows.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include <windows.h>

#include "gdi/surface.h"

namespace plat {

struct WindowClass {
    ATOM atom = 0;
    std::string name; // as registered; looked up case-insensitively
    WNDCLASSEXA info{};
    std::string menuName;
};

struct Window {
    std::uint16_t generation = 0;
    bool alive = false;
    bool destroying = false;
    bool needSize = true; // WM_SIZE/WM_MOVE not yet sent
    bool captionActive = false;
    ATOM atom = 0;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children; // front of the vector is the top of the z-order
    RECT rect{};                // in the parent's client coordinates (screen for top level)
    RECT client{};              // in the same coordinates as rect
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    HMENU menu = nullptr;
    std::string text;
    std::vector<std::byte> extra; // the class's cbWndExtra bytes, zeroed at creation
    bool updatePending = false;   // the window has an update region
    bool erasePending = false;
    // WM_NCPAINT owed, sent when the window is next painted.
    bool framePending = false;
    RECT update{};     // client coordinates
    RECT normalRect{}; // placement to restore to from minimised or maximised
    Surface surface;   // top-level windows only: what the backend shows
};

// Handles carry a slot index and a generation, so a stale handle never reaches a new window.
Window* lookup(HWND hwnd);
HWND handle_of(std::uint32_t slot);
std::uint32_t slot_of(HWND hwnd);
HWND allocate_window();
void release_window(HWND hwnd);
// Every live window, in creation order of their slots.
template <class F> void for_each_window(F&& f);

const WindowClass* find_class(const char* name, HINSTANCE instance);
const WindowClass* class_by_atom(ATOM atom);

struct WindowTable {
    std::deque<Window> slots; // a deque: records never move, so pointers to them stay valid
    std::vector<std::uint32_t> freeSlots;
};
WindowTable& window_table();

template <class F> void for_each_window(F&& f) {
    WindowTable& t = window_table();
    for (std::uint32_t i = 0; i < t.slots.size(); ++i)
        if (t.slots[i].alive) f(handle_of(i), t.slots[i]);
}

} // namespace plat
