// What the end-to-end tests need from X that xdotool does not do:
//   x11_tool close <window id>   WM_PROTOCOLS/WM_DELETE_WINDOW, as a window manager's close box
//                                sends it (under Xvfb there is no window manager)
//   x11_tool shot <file.png>     the whole screen as a PNG
//   x11_tool numlock on|off      sets the Num Lock state through XKB
//   x11_tool iconify <window>    what a window manager does to iconify a window (ICCCM: WM_STATE
//   x11_tool restore <window>    IconicState and unmap; NormalState and map)
//   x11_tool maximize <window>   the same for maximising (EWMH: _NET_WM_STATE and the size of
//   x11_tool unmaximize <window> the screen; an empty state and the size given back)
// Window ids are decimal or 0x hex, as xdotool prints them.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gdi/png_writer.h"

namespace {

int close_window(Display* dpy, const char* id) {
    const Window window = std::strtoul(id, nullptr, 0);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(dpy, window, False, NoEventMask, &e);
    XSync(dpy, False);
    return sent ? 0 : 1;
}

int screenshot(Display* dpy, const char* path) {
    const Window root = DefaultRootWindow(dpy);
    XWindowAttributes a{};
    XGetWindowAttributes(dpy, root, &a);
    XImage* image = XGetImage(dpy, root, 0, 0, static_cast<unsigned>(a.width),
                              static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (!image) return 1;
    plat::Surface s(a.width, a.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const auto channel = [p](unsigned long mask) {
                int shift = 0;
                while (mask && !(mask & 1))
                    mask >>= 1, ++shift;
                return static_cast<plat::Pixel>(((p >> shift) & mask) * 255 / (mask ? mask : 1));
            };
            s.row(y)[x] = channel(image->red_mask) << 16 | channel(image->green_mask) << 8 |
                          channel(image->blue_mask);
        }
    XDestroyImage(image);
    std::string error;
    if (!plat::save_png(s, path, &error)) {
        std::fprintf(stderr, "x11_tool: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int set_num_lock(Display* dpy, bool on) {
    const unsigned mask = XkbKeysymToModifiers(dpy, XStringToKeysym("Num_Lock"));
    if (!mask || !XkbLockModifiers(dpy, XkbUseCoreKbd, mask, on ? mask : 0)) return 1;
    XSync(dpy, False);
    return 0;
}

// The window manager's side of iconifying, for a server that has none.
int set_iconic(Display* dpy, const char* id, bool iconic) {
    const Window window = std::strtoul(id, nullptr, 0);
    const Atom wmState = XInternAtom(dpy, "WM_STATE", False);
    const long state[2] = {iconic ? IconicState : NormalState, None};
    XChangeProperty(dpy, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(state), 2);
    if (iconic)
        XUnmapWindow(dpy, window);
    else
        XMapWindow(dpy, window);
    XSync(dpy, False);
    return 0;
}

int set_maximized(Display* dpy, const char* id, bool on) {
    const Window window = std::strtoul(id, nullptr, 0);
    const Atom state = XInternAtom(dpy, "_NET_WM_STATE", False);
    const Atom both[2] = {XInternAtom(dpy, "_NET_WM_STATE_MAXIMIZED_VERT", False),
                          XInternAtom(dpy, "_NET_WM_STATE_MAXIMIZED_HORZ", False)};
    XChangeProperty(dpy, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(both), on ? 2 : 0);
    if (on) {
        const Screen* s = DefaultScreenOfDisplay(dpy);
        XMoveResizeWindow(dpy, window, 0, 0, static_cast<unsigned>(s->width),
                          static_cast<unsigned>(s->height));
    }
    XSync(dpy, False);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_tool close <window> | shot <file.png> | numlock on|off | "
                             "iconify | restore | maximize | unmaximize <window>\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "x11_tool: cannot open the display\n");
        return 1;
    }
    int status = 2;
    if (std::strcmp(argv[1], "close") == 0)
        status = close_window(dpy, argv[2]);
    else if (std::strcmp(argv[1], "shot") == 0)
        status = screenshot(dpy, argv[2]);
    else if (std::strcmp(argv[1], "numlock") == 0)
        status = set_num_lock(dpy, std::strcmp(argv[2], "on") == 0);
    else if (std::strcmp(argv[1], "iconify") == 0 || std::strcmp(argv[1], "restore") == 0)
        status = set_iconic(dpy, argv[2], argv[1][0] == 'i');
    else if (std::strcmp(argv[1], "maximize") == 0 || std::strcmp(argv[1], "unmaximize") == 0)
        status = set_maximized(dpy, argv[2], argv[1][0] == 'm');
    XCloseDisplay(dpy);
    return status;
}
