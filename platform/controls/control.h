// What every control class shares: its registration row, its state's life, notifications that
// survive the parent destroying the sender, and the colours the parent chooses.
#pragma once

#include <windows.h>

namespace plat {

// What a backend makes of a top-level window of the class; controls living as children are
// Child and never reach a backend on their own.
enum class SurfaceKind : unsigned char { Child, Frame, PopupMenu, DropDownList, Tooltip, Dialog };

// One row per class: registered global, with the arrow pointer (unless cursor names another),
// background a system colour (COLOR_...) or -1 for none.
struct ControlClass {
    const char* name;
    WNDPROC proc;
    UINT style;
    int extraBytes; // at least StateBytes when the class keeps a state pointer
    int background;
    SurfaceKind surface;
    WORD cursor = 0; // the number of a system pointer (32513 the I-beam); 0 the arrow
};
constexpr int StateBytes = static_cast<int>(sizeof(void*));

void register_control_class(const ControlClass& row);
// The surface kind of a class registered through a row, Frame for every other class.
SurfaceKind surface_kind_of_class(const char* name);

// The state a control keeps in its first extra bytes.
template <class State> State* control_state(HWND hwnd) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, 0));
}

// A window procedure that makes State at WM_NCCREATE, hands every message to Handle and frees
// the state once Handle has seen WM_NCDESTROY. Messages before WM_NCCREATE or after the state
// went go to DefWindowProcA.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK control_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && !control_state<State>(hwnd))
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(new State));
    State* s = control_state<State>(hwnd);
    if (!s) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY) return Handle(hwnd, *s, message, wParam, lParam);
    const LRESULT r = Handle(hwnd, *s, message, wParam, lParam);
    SetWindowLongPtrA(hwnd, 0, 0);
    delete s;
    return r;
}

// Whether hwnd is still the window that owns state: a notification's receiver may have
// destroyed it. Check after every message sent out before touching the state again.
bool control_alive(HWND hwnd, const void* state);

// WM_COMMAND with code to the parent (the owner of a pop-up); false when the control is gone
// after the parent handled it.
bool notify_parent(HWND control, WORD code);
// WM_NOTIFY with hdr (hwndFrom and idFrom filled in here); result answered by the parent.
bool notify_parent(HWND control, NMHDR& hdr, LRESULT* result = nullptr);

// Asks the parent for the colours of a control about to paint (WM_CTLCOLORBTN, ...EDIT,
// ...STATIC, ...LISTBOX): the parent sets the DC's text and background colours and returns the
// background brush; a parent that answers nothing gets the system's colours from
// DefWindowProcA. nullptr when the control is gone afterwards.
HBRUSH control_colours(HWND control, HDC hdc, UINT message);

// The window's style bits, where the controls and the dialog manager read their kind and flags.
inline DWORD style_of(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

// WM_DRAWITEM to the parent for an owner-drawn control drawn whole (type ODT_BUTTON,
// ODT_STATIC, ...), over its client area.
void ask_owner_to_draw(HWND control, HDC hdc, UINT type, UINT action, UINT state);

// The colour questions, WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: DefWindowProcA answers them
// with the system's colours, a dialog procedure answers them by its return value.
constexpr bool is_control_colour_message(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// DefWindowProcA's answer to the WM_CTLCOLOR* messages: system colours into hdc, and the
// system brush for that kind of control.
LRESULT default_control_colours(HDC hdc, UINT message);

} // namespace plat
