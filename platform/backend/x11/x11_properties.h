// What a client tells the window manager through properties (ICCCM and EWMH): names, class,
// protocols, size hints, the icon, transient-for, and the requests it sends to the root.
// Included only after <windows.h> and the Xlib headers.
#pragma once

#include <string>

#include "controls/control.h"

namespace plat {

struct Atoms {
    Atom WM_PROTOCOLS, WM_DELETE_WINDOW, WM_STATE, _NET_WM_PING, _NET_WM_NAME, _NET_WM_ICON_NAME,
        _NET_WM_ICON, _NET_WM_PID, _NET_WM_WINDOW_TYPE, _NET_WM_WINDOW_TYPE_NORMAL,
        _NET_WM_WINDOW_TYPE_DIALOG, _NET_WM_WINDOW_TYPE_POPUP_MENU,
        _NET_WM_WINDOW_TYPE_DROPDOWN_MENU, _NET_WM_WINDOW_TYPE_TOOLTIP, _NET_ACTIVE_WINDOW,
        _NET_SUPPORTING_WM_CHECK, UTF8_STRING, _NET_WM_STATE, _NET_WM_STATE_MAXIMIZED_VERT,
        _NET_WM_STATE_MAXIMIZED_HORZ, _MOTIF_WM_HINTS;
};
Atoms intern_atoms(Display* dpy);

bool window_manager_present(Display* dpy, ::Window root, const Atoms& atoms);

// Class, protocols, pid, the window type for the surface's kind and, for owned windows,
// transient-for; set once.
void set_identity_properties(Display* dpy, ::Window xid, const Atoms& atoms, SurfaceKind kind,
                             ::Window owner);
// Position as the program asked, static gravity, and for fixed-size frames min = max.
void set_size_hints(Display* dpy, ::Window xid, const RECT& native, bool fixed);
// Which frame functions the window manager offers (_MOTIF_WM_HINTS): no maximise box, no
// minimise box or no sizing border take away maximising, minimising or resizing.
void set_frame_functions(Display* dpy, ::Window xid, const Atoms& atoms, DWORD style);
// The Windows-1252 title as _NET_WM_NAME (UTF-8) and WM_NAME (Latin-1).
void set_title(Display* dpy, ::Window xid, const Atoms& atoms, const std::string& title);
// _NET_WM_ICON from the window class's icons.
void set_icon(Display* dpy, ::Window xid, const Atoms& atoms, HWND hwnd);
void request_activation(Display* dpy, ::Window root, ::Window xid, const Atoms& atoms);
// EWMH: whether _NET_WM_STATE holds both maximised states, and asking for them.
bool read_maximized(Display* dpy, ::Window xid, const Atoms& atoms);
void request_maximized(Display* dpy, ::Window root, ::Window xid, const Atoms& atoms, bool on);
// WM_STATE's state field, or -1 when the window manager has not set one.
long read_wm_state(Display* dpy, ::Window xid, const Atoms& atoms);

// Windows-1252 text as UTF-8.
std::string utf8_from_cp1252(const std::string& text);

} // namespace plat
