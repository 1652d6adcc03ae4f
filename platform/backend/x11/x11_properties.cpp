#include <windows.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "backend/x11/x11_properties.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "gdi/bitmap_dib.h"
#include "resource/cp1252.h"
#include "window/window_table.h"

namespace plat {
namespace {

void set_atom_list(Display* dpy, ::Window xid, Atom property, const std::vector<Atom>& atoms) {
    XChangeProperty(dpy, xid, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(atoms.data()),
                    static_cast<int>(atoms.size()));
}

// The program's own name, from the kernel (argv[0] is not at hand here).
std::string program_name() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "tessaramond";
    path[n] = '\0';
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// One icon image as _NET_WM_ICON wants it: width, height, then ARGB pixels, each in a long
// (Xlib's 32-bit property format is long on every platform). The mask's white is transparent.
void append_icon(std::vector<long>& out, HICON icon) {
    const IconImage* image = icon_image(icon);
    if (!image || image->image.width <= 0) return;
    const Surface& s = image->image;
    out.push_back(s.width);
    out.push_back(s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const bool clear = image->mask.contains(x, y) && image->mask.at(x, y) == 0xFFFFFF;
            out.push_back(clear ? 0 : static_cast<long>(0xFF000000u | s.at(x, y)));
        }
}

} // namespace

Atoms intern_atoms(Display* dpy) {
    const char* names[] = {"WM_PROTOCOLS",
                           "WM_DELETE_WINDOW",
                           "WM_STATE",
                           "_NET_WM_PING",
                           "_NET_WM_NAME",
                           "_NET_WM_ICON_NAME",
                           "_NET_WM_ICON",
                           "_NET_WM_PID",
                           "_NET_WM_WINDOW_TYPE",
                           "_NET_WM_WINDOW_TYPE_NORMAL",
                           "_NET_WM_WINDOW_TYPE_DIALOG",
                           "_NET_WM_WINDOW_TYPE_POPUP_MENU",
                           "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU",
                           "_NET_WM_WINDOW_TYPE_TOOLTIP",
                           "_NET_ACTIVE_WINDOW",
                           "_NET_SUPPORTING_WM_CHECK",
                           "UTF8_STRING",
                           "_NET_WM_STATE",
                           "_NET_WM_STATE_MAXIMIZED_VERT",
                           "_NET_WM_STATE_MAXIMIZED_HORZ",
                           "_MOTIF_WM_HINTS"};
    constexpr int count = sizeof names / sizeof names[0];
    static_assert(sizeof(Atoms) == count * sizeof(Atom));
    Atom values[count];
    XInternAtoms(dpy, const_cast<char**>(names), count, False, values);
    Atoms a;
    std::memcpy(&a, values, sizeof a);
    return a;
}

bool window_manager_present(Display* dpy, ::Window root, const Atoms& atoms) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(dpy, root, atoms._NET_SUPPORTING_WM_CHECK, 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return found;
}

std::string utf8_from_cp1252(const std::string& text) {
    std::string out;
    for (char16_t u : cp1252_to_utf16(text)) {
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

void set_identity_properties(Display* dpy, ::Window xid, const Atoms& atoms, SurfaceKind kind,
                             ::Window owner) {
    std::string instance = program_name();
    std::string klass = instance;
    if (!klass.empty() && klass[0] >= 'a' && klass[0] <= 'z')
        klass[0] = static_cast<char>(klass[0] - 32);
    XClassHint hint{instance.data(), klass.data()};
    XSetClassHint(dpy, xid, &hint);

    const long pid = static_cast<long>(::getpid());
    XChangeProperty(dpy, xid, atoms._NET_WM_PID, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) {
        XTextProperty machine{reinterpret_cast<unsigned char*>(host), XA_STRING, 8,
                              std::strlen(host)};
        XSetWMClientMachine(dpy, xid, &machine);
    }

    Atom protocols[] = {atoms.WM_DELETE_WINDOW, atoms._NET_WM_PING};
    XSetWMProtocols(dpy, xid, protocols, 2);

    XWMHints wm{};
    wm.flags = InputHint | StateHint;
    wm.input = True;
    wm.initial_state = NormalState;
    XSetWMHints(dpy, xid, &wm);

    Atom type = atoms._NET_WM_WINDOW_TYPE_NORMAL;
    switch (kind) {
    case SurfaceKind::PopupMenu:
        type = atoms._NET_WM_WINDOW_TYPE_POPUP_MENU;
        break;
    case SurfaceKind::Tooltip:
        type = atoms._NET_WM_WINDOW_TYPE_TOOLTIP;
        break;
    case SurfaceKind::DropDownList:
        type = atoms._NET_WM_WINDOW_TYPE_DROPDOWN_MENU;
        break;
    case SurfaceKind::Dialog:
        type = atoms._NET_WM_WINDOW_TYPE_DIALOG;
        break;
    case SurfaceKind::Frame:
    case SurfaceKind::Child:
        break;
    }
    set_atom_list(dpy, xid, atoms._NET_WM_WINDOW_TYPE, {type});
    if (owner) XSetTransientForHint(dpy, xid, owner);
}

void set_size_hints(Display* dpy, ::Window xid, const RECT& native, bool fixed) {
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PPosition | PSize | PWinGravity;
    hints->x = native.left;
    hints->y = native.top;
    hints->width = native.right - native.left;
    hints->height = native.bottom - native.top;
    hints->win_gravity = StaticGravity;
    if (fixed) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = hints->width;
        hints->min_height = hints->max_height = hints->height;
    }
    XSetWMNormalHints(dpy, xid, hints);
    XFree(hints);
}

void set_frame_functions(Display* dpy, ::Window xid, const Atoms& atoms, DWORD style) {
    // The Motif hints: flags, functions, decorations, input mode, status.
    constexpr long FunctionsFlag = 1, DecorationsFlag = 2;
    constexpr long Resize = 2, Move = 4, Minimize = 8, Maximize = 16, Close = 32;
    constexpr long AllDecorations = 1;
    long functions = Move | Close;
    if (style & WS_THICKFRAME) functions |= Resize;
    if (style & WS_MINIMIZEBOX) functions |= Minimize;
    if ((style & WS_MAXIMIZEBOX) && (style & WS_THICKFRAME)) functions |= Maximize;
    const long hints[5] = {FunctionsFlag | DecorationsFlag, functions, AllDecorations, 0, 0};
    XChangeProperty(dpy, xid, atoms._MOTIF_WM_HINTS, atoms._MOTIF_WM_HINTS, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
}

void set_title(Display* dpy, ::Window xid, const Atoms& atoms, const std::string& title) {
    const std::string utf8 = utf8_from_cp1252(title);
    for (Atom property : {atoms._NET_WM_NAME, atoms._NET_WM_ICON_NAME})
        XChangeProperty(dpy, xid, property, atoms.UTF8_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8.data()),
                        static_cast<int>(utf8.size()));
    // WM_NAME in Latin-1 for older window managers: Windows-1252's extra characters have no
    // place there.
    std::string latin1;
    for (char16_t u : cp1252_to_utf16(title))
        latin1.push_back(u < 0x100 ? static_cast<char>(u) : '?');
    XTextProperty name{reinterpret_cast<unsigned char*>(latin1.data()), XA_STRING, 8,
                       latin1.size()};
    XSetWMName(dpy, xid, &name);
    XSetWMIconName(dpy, xid, &name);
}

void set_icon(Display* dpy, ::Window xid, const Atoms& atoms, HWND hwnd) {
    const Window* w = lookup(hwnd);
    const WindowClass* cls = w ? class_by_atom(w->atom) : nullptr;
    if (!cls) return;
    std::vector<long> data;
    append_icon(data, cls->info.hIcon);
    if (cls->info.hIconSm != cls->info.hIcon) append_icon(data, cls->info.hIconSm);
    if (data.empty()) return;
    XChangeProperty(dpy, xid, atoms._NET_WM_ICON, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
}

void request_activation(Display* dpy, ::Window root, ::Window xid, const Atoms& atoms) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = xid;
    e.xclient.message_type = atoms._NET_ACTIVE_WINDOW;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1; // from an application
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &e);
}

bool read_maximized(Display* dpy, ::Window xid, const Atoms& atoms) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool vert = false, horz = false;
    if (XGetWindowProperty(dpy, xid, atoms._NET_WM_STATE, 0, 64, False, XA_ATOM, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32)
        for (unsigned long i = 0; i < count; ++i) {
            const Atom a = reinterpret_cast<Atom*>(data)[i];
            vert |= a == atoms._NET_WM_STATE_MAXIMIZED_VERT;
            horz |= a == atoms._NET_WM_STATE_MAXIMIZED_HORZ;
        }
    if (data) XFree(data);
    return vert && horz;
}

void request_maximized(Display* dpy, ::Window root, ::Window xid, const Atoms& atoms, bool on) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = xid;
    e.xclient.message_type = atoms._NET_WM_STATE;
    e.xclient.format = 32;
    e.xclient.data.l[0] = on ? 1 : 0; // add or remove
    e.xclient.data.l[1] = static_cast<long>(atoms._NET_WM_STATE_MAXIMIZED_VERT);
    e.xclient.data.l[2] = static_cast<long>(atoms._NET_WM_STATE_MAXIMIZED_HORZ);
    e.xclient.data.l[3] = 1; // from an application
    XSendEvent(dpy, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &e);
}

long read_wm_state(Display* dpy, ::Window xid, const Atoms& atoms) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long state = -1;
    if (XGetWindowProperty(dpy, xid, atoms.WM_STATE, 0, 2, False, atoms.WM_STATE, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count >= 1)
        state = reinterpret_cast<long*>(data)[0];
    if (data) XFree(data);
    return state == WithdrawnState ? -1 : state;
}

} // namespace plat
