// The X11 backend: one X window per top-level window of the layer, its pixels put from the
// layer's framebuffer, X events turned into the layer's input.
//
// Hooks from the layer only mark a window as changed; the X requests are made when the program
// next waits, after it has painted, so a burst of changes costs one round of requests and a
// window is mapped with its first picture ready.
//
// Where the server offers shared memory, a surface's pixels live in a segment the server reads
// them from, so the damaged rectangles the layer reports are put without a copy and Expose is
// answered from the surface itself; there is no copy of what was shown.
#include "backend/x11/x11_backend.h"

#include <windows.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/keysym.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "backend/x11/x11_clipboard.h"
#include "backend/x11/x11_cursor.h"
#include "backend/x11/x11_geometry.h"
#include "backend/x11/x11_keys.h"
#include "backend/x11/x11_properties.h"
#include "backend/x11/x11_shm.h"
#include "backend/x11/x11_transfer.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

using XWindow = ::Window;

// Xlib reports protocol errors asynchronously; the default handler ends the process. Ours
// keeps the last one: a window that vanished or a focus request that came too early is normal
// in the life of a client.
int lastXError = 0;
int on_x_error(Display*, XErrorEvent* e) {
    lastXError = e->error_code;
    return 0;
}

// The pixel layout of the visual, for putting XRGB framebuffers into X images.
struct PixelFormat {
    bool direct = false; // 32 bits per pixel with 0xRRGGBB masks: rows are copied as they are
    unsigned long red = 0, green = 0, blue = 0;
};

int shift_of(unsigned long mask) {
    int s = 0;
    while (mask && !(mask & 1))
        mask >>= 1, ++s;
    return s;
}
int width_of(unsigned long mask) {
    int n = 0;
    for (mask >>= shift_of(mask); mask & 1; mask >>= 1)
        ++n;
    return n;
}
unsigned long scale_channel(unsigned v, unsigned long mask) {
    const int bits = width_of(mask);
    return ((static_cast<unsigned long>(v) >> (8 - bits)) << shift_of(mask)) & mask;
}

struct NativeWindow {
    SurfaceDescription description; // told before the X window is made
    XWindow xid = 0;
    bool managed = false;
    bool mapRequested = false; // we asked for it to be shown and have not withdrawn it
    bool viewable = false;     // MapNotify seen, no UnmapNotify since
    bool iconic = false;       // the window manager keeps it as an icon
    bool maximized = false;    // _NET_WM_STATE says maximised, or we asked for it
    bool fixedSize = false;
    RECT native{}; // where the X window is, or was last asked to be (root coordinates)
    std::string title;
    bool titleSet = false;
    bool iconSet = false;
    bool dirty = true;
    std::vector<RECT> damage; // surface rectangles to send once the window is viewable
    // The segment the surface's pixels live in, and the image describing it to the server.
    std::shared_ptr<x11::ShmSegment> segment;
    XImage* shmImage = nullptr;
    Cursor cursor = 0; // the shape defined on the window
};

class X11Backend : public Backend {
public:
    X11Backend(Display* display) : dpy_(display) {
        screen_ = DefaultScreen(dpy_);
        root_ = RootWindow(dpy_, screen_);
        visual_ = DefaultVisual(dpy_, screen_);
        depth_ = DefaultDepth(dpy_, screen_);
        XSetErrorHandler(on_x_error);
        atoms_ = intern_atoms(dpy_);
        format_ = pixel_format();
        const char* shm = std::getenv("TESS_X11_SHM");
        // The surface is the image only when the visual takes its pixels as they are.
        useShm_ =
            format_.direct && XShmQueryExtension(dpy_) && !(shm && std::strcmp(shm, "0") == 0);
        const char* exitAfter = std::getenv("TESS_EXIT_AFTER_FIRST_FRAME");
        exitAfterFirstFrame_ = exitAfter && std::strcmp(exitAfter, "1") == 0;
        // Held keys repeat as presses alone, so a repeat is told from a new press.
        Bool supported = False;
        XkbSetDetectableAutoRepeat(dpy_, True, &supported);
        detectableRepeat_ = supported;
        wmPresent_ = window_manager_present(dpy_, root_, atoms_);
        clipboard_ = std::make_unique<x11::X11Clipboard>(dpy_);
        set_clipboard_share(clipboard_.get());
    }

    ~X11Backend() override {
        for (auto& [hwnd, nw] : windows_)
            destroy_native(nw);
        for (auto& [id, c] : cursors_)
            XFreeCursor(dpy_, c);
        set_clipboard_share(nullptr);
        clipboard_.reset();
        if (gc_) XFreeGC(dpy_, gc_);
        XCloseDisplay(dpy_);
    }

    SIZE screen_size() const override {
        return {DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_)};
    }
    int bits_per_pixel() const override { return depth_; }
    bool shows_frame(HWND hwnd) const override {
        const Window* w = lookup(hwnd);
        return !w || !x11::is_managed(w->style);
    }

    void surface_described(HWND hwnd, const SurfaceDescription& d) override;
    void surface_created(HWND hwnd, Surface& surface) override;
    void surface_destroyed(HWND hwnd) override;
    void present(HWND top, std::span<const RECT> damage) override;
    bool wait_for_input(int timeoutMs) override;
    void bell() override { XBell(dpy_, 0); }

    void window_changed(HWND hwnd) override {
        if (auto it = windows_.find(hwnd); it != windows_.end()) it->second.dirty = true;
        grabDirty_ = true; // a menu may have opened or closed
    }
    void cursor_changed(HCURSOR cursor) override;
    void capture_changed(HWND) override { grabDirty_ = true; }
    void cursor_moved(POINT p) override {
        XWarpPointer(dpy_, None, root_, 0, 0, 0, 0, p.x, p.y);
        XFlush(dpy_);
    }

private:
    PixelFormat pixel_format() const {
        PixelFormat f{false, visual_->red_mask, visual_->green_mask, visual_->blue_mask};
        int count = 0;
        XPixmapFormatValues* formats = XListPixmapFormats(dpy_, &count);
        int bpp = 0;
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth_) bpp = formats[i].bits_per_pixel;
        XFree(formats);
        f.direct = bpp == 32 && f.red == 0xFF0000 && f.green == 0x00FF00 && f.blue == 0x0000FF &&
                   ImageByteOrder(dpy_) == LSBFirst;
        return f;
    }

    Cursor resource_cursor(const IconImage& image) {
        const x11::CursorBitmaps b = x11::cursor_bitmaps(image);
        if (b.width <= 0 || b.height <= 0) return None;
        const auto w = static_cast<unsigned>(b.width), h = static_cast<unsigned>(b.height);
        Pixmap source = XCreateBitmapFromData(dpy_, root_,
                                              reinterpret_cast<const char*>(b.source.data()), w, h);
        Pixmap mask =
            XCreateBitmapFromData(dpy_, root_, reinterpret_cast<const char*>(b.mask.data()), w, h);
        XColor white{}, black{};
        white.red = white.green = white.blue = 0xFFFF;
        white.flags = black.flags = DoRed | DoGreen | DoBlue;
        const auto hx = static_cast<unsigned>(std::clamp<LONG>(image.hotspot.x, 0, b.width - 1));
        const auto hy = static_cast<unsigned>(std::clamp<LONG>(image.hotspot.y, 0, b.height - 1));
        const Cursor c = XCreatePixmapCursor(dpy_, source, mask, &white, &black, hx, hy);
        XFreePixmap(dpy_, source);
        XFreePixmap(dpy_, mask);
        return c;
    }

    NativeWindow* native_of(HWND hwnd) {
        const auto it = windows_.find(hwnd);
        return it == windows_.end() ? nullptr : &it->second;
    }
    HWND hwnd_of(XWindow xid) const {
        for (const auto& [hwnd, nw] : windows_)
            if (nw.xid == xid) return hwnd;
        return nullptr;
    }

    void create_native(HWND hwnd, NativeWindow& nw);
    void destroy_native(NativeWindow& nw);
    void lend_segment(NativeWindow& nw, Surface& surface, int width, int height);
    void free_segment(NativeWindow& nw);
    unsigned long x_pixel(Pixel p) const;
    void send(NativeWindow& nw, const Window& w, const RECT& surfaceRect);
    void put_converted(NativeWindow& nw, const Surface& s, const RECT& r, int dx, int dy);
    void send_damage(HWND hwnd);
    void finish_requests();
    void update_all();
    void update_window(HWND hwnd);
    void update_focus();
    void restack_popups();
    void update_grab();

    bool process_pending();
    void handle(XEvent& e);
    void on_key(XKeyEvent& e);
    void on_button(const XButtonEvent& e);
    void on_configure(HWND hwnd, const XConfigureEvent& e);
    void on_wm_state(HWND hwnd);
    void on_net_wm_state(HWND hwnd);
    void on_client_message(HWND hwnd, const XClientMessageEvent& e);
    void on_focus_in(HWND hwnd, unsigned long serial);
    void focus_left();
    void sync_lock_keys(unsigned state);

    Display* dpy_;
    std::unique_ptr<x11::X11Clipboard> clipboard_;
    int screen_ = 0;
    XWindow root_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 24;
    Atoms atoms_{};
    PixelFormat format_{};
    bool useShm_ = false;
    bool shmPut_ = false;     // shared images sent that the server may not have read yet
    bool framesSent_ = false; // pixels went to a viewable window since requests were finished
    bool exitAfterFirstFrame_ = false;
    GC gc_ = nullptr;
    bool wmPresent_ = false;
    bool detectableRepeat_ = false;
    // Looked up at the first lock-key state to follow: it fetches the whole keyboard map.
    bool lockMasksKnown_ = false;
    unsigned numLockMask_ = 0, scrollLockMask_ = 0;
    std::map<HWND, NativeWindow> windows_;
    std::map<std::uintptr_t, Cursor> cursors_;
    HCURSOR cursor_ = nullptr;
    XWindow pointerWindow_ = 0;      // the window the pointer is in
    XWindow focusXid_ = 0;           // ours that has the X input focus, or 0
    HWND lastActive_ = nullptr;      // the layer's active window when focus was last pushed to X
    unsigned long focusRequest_ = 0; // the serial of that request
    bool focusLeft_ = false;         // a FocusOut to check once the events at hand are handled
    bool grabDirty_ = false;         // capture or pop-ups changed since the grab was last decided
    XWindow grabbed_ = 0;
    std::array<x11::KeyIdentity, 256> held_{}; // by keycode
};

// --- windows ------------------------------------------------------------------------------

void X11Backend::create_native(HWND hwnd, NativeWindow& nw) {
    const Window* w = lookup(hwnd);
    const SurfaceDescription& d = nw.description;
    nw.managed = d.kind == SurfaceKind::Frame || d.kind == SurfaceKind::Dialog;
    nw.fixedSize = nw.managed && d.fixedSize;
    const RECT part = x11::native_part(w->rect, w->style, w->exStyle, w->menu != nullptr);
    nw.native = part;
    OffsetRect(&nw.native, w->rect.left, w->rect.top);
    XSetWindowAttributes a{};
    // No background: a resized window keeps its old pixels until ours arrive, without a flash.
    a.background_pixmap = None;
    a.bit_gravity = NorthWestGravity;
    a.override_redirect = nw.managed ? False : True;
    a.save_under = nw.managed ? False : True;
    a.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                   PointerMotionMask | EnterWindowMask | LeaveWindowMask | ExposureMask |
                   StructureNotifyMask | FocusChangeMask | PropertyChangeMask;
    nw.xid = XCreateWindow(
        dpy_, root_, nw.native.left, nw.native.top,
        static_cast<unsigned>(std::max<LONG>(nw.native.right - nw.native.left, 1)),
        static_cast<unsigned>(std::max<LONG>(nw.native.bottom - nw.native.top, 1)), 0,
        CopyFromParent, InputOutput, CopyFromParent,
        CWBackPixmap | CWBitGravity | CWOverrideRedirect | CWSaveUnder | CWEventMask, &a);
    const NativeWindow* owner = native_of(d.owner);
    set_identity_properties(dpy_, nw.xid, atoms_, d.kind, owner ? owner->xid : 0);
    set_size_hints(dpy_, nw.xid, nw.native, nw.fixedSize);
    if (nw.managed) set_frame_functions(dpy_, nw.xid, atoms_, w->style);
}

void X11Backend::destroy_native(NativeWindow& nw) {
    free_segment(nw);
    if (nw.xid) XDestroyWindow(dpy_, nw.xid);
    if (grabbed_ == nw.xid) grabbed_ = 0;
    if (focusXid_ == nw.xid) focusXid_ = 0;
    if (pointerWindow_ == nw.xid) pointerWindow_ = 0;
    nw.xid = 0;
}

void X11Backend::surface_created(HWND hwnd, Surface& surface) {
    const RECT r = screen_rect(hwnd);
    const int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
    NativeWindow& nw = windows_[hwnd];
    if (!nw.xid) create_native(hwnd, nw);
    nw.dirty = true;
    if (surface.width == w && surface.height == h) return;
    // The old pixels are of no use at the new size: the layer paints the window again.
    nw.damage.clear();
    lend_segment(nw, surface, w, h);
    if (surface.width != w || surface.height != h) surface.resize(w, h, 0);
}

void X11Backend::surface_described(HWND hwnd, const SurfaceDescription& d) {
    NativeWindow& nw = windows_[hwnd];
    if (nw.description == d) return;
    const bool fixedChanged = nw.xid && nw.managed && d.fixedSize != nw.description.fixedSize;
    nw.description = d;
    nw.dirty = true;
    grabDirty_ = true;
    if (fixedChanged) {
        nw.fixedSize = d.fixedSize;
        set_size_hints(dpy_, nw.xid, nw.native, nw.fixedSize);
    }
}

void X11Backend::surface_destroyed(HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    destroy_native(it->second);
    windows_.erase(it);
    grabDirty_ = true;
    XFlush(dpy_);
}

void X11Backend::present(HWND top, std::span<const RECT> damage) {
    NativeWindow* nw = native_of(top);
    if (!nw) return;
    nw->damage.insert(nw->damage.end(), damage.begin(), damage.end());
    // The pixels are final now: the window is brought up to date and they go out.
    update_all();
}

void X11Backend::cursor_changed(HCURSOR cursor) {
    cursor_ = cursor;
    const HWND hwnd = hwnd_of(pointerWindow_);
    NativeWindow* nw = native_of(hwnd);
    if (!nw) return;
    Cursor c = None;
    const auto id = reinterpret_cast<std::uintptr_t>(cursor);
    if (auto it = cursors_.find(id); it != cursors_.end()) {
        c = it->second;
    } else if (const int shape = x11::cursor_font_shape(id); shape >= 0) {
        c = XCreateFontCursor(dpy_, static_cast<unsigned>(shape));
        cursors_[id] = c;
    } else if (const IconImage* image = icon_image(cursor)) {
        c = resource_cursor(*image);
        cursors_[id] = c;
    } else if (!cursor) {
        // No cursor: an empty pixmap shape hides the pointer over the window.
        const char none = 0;
        Pixmap p = XCreateBitmapFromData(dpy_, nw->xid, &none, 1, 1);
        XColor black{};
        c = XCreatePixmapCursor(dpy_, p, p, &black, &black, 0, 0);
        XFreePixmap(dpy_, p);
        cursors_[id] = c;
    }
    if (c == nw->cursor) return;
    nw->cursor = c;
    XDefineCursor(dpy_, nw->xid, c);
}

// --- pixels -------------------------------------------------------------------------------

// The surface moves into a fresh segment of exactly its size; without shared memory (or when
// the server cannot reach ours) it keeps memory of its own.
void X11Backend::lend_segment(NativeWindow& nw, Surface& surface, int width, int height) {
    free_segment(nw);
    if (!useShm_ || width <= 0 || height <= 0) return;
    const auto w = static_cast<unsigned>(width), h = static_cast<unsigned>(height);
    const std::size_t bytes = std::size_t{w} * h * sizeof(Pixel);
    std::shared_ptr<x11::ShmSegment> segment = x11::attach_segment(dpy_, bytes);
    if (!segment) {
        useShm_ = false; // a server that cannot reach our memory: plain images from now on
        return;
    }
    XShmSegmentInfo& info = segment->info;
    nw.shmImage = XShmCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap,
                                  info.shmaddr, &info, w, h);
    if (!nw.shmImage || nw.shmImage->bytes_per_line != width * static_cast<int>(sizeof(Pixel))) {
        if (nw.shmImage) XFree(nw.shmImage);
        nw.shmImage = nullptr;
        x11::detach_segment(dpy_, *segment);
        useShm_ = false;
        return;
    }
    nw.segment = segment;
    surface = Surface(width, height, reinterpret_cast<Pixel*>(info.shmaddr), std::move(segment));
}

void X11Backend::free_segment(NativeWindow& nw) {
    // The image only describes the segment; the surface may still hold the memory.
    if (nw.shmImage) XFree(nw.shmImage);
    nw.shmImage = nullptr;
    if (nw.segment) x11::detach_segment(dpy_, *nw.segment);
    nw.segment.reset();
}

unsigned long X11Backend::x_pixel(Pixel p) const {
    if (format_.direct) return p;
    return scale_channel((p >> 16) & 0xFF, format_.red) |
           scale_channel((p >> 8) & 0xFF, format_.green) | scale_channel(p & 0xFF, format_.blue);
}

// Sends a rectangle of the surface to the part of the window shown natively.
void X11Backend::send(NativeWindow& nw, const Window& w, const RECT& r) {
    const RECT part = x11::native_part(w.rect, w.style, w.exStyle, w.menu != nullptr);
    RECT visible;
    if (!IntersectRect(&visible, &r, &part)) return;
    if (!gc_) gc_ = XCreateGC(dpy_, nw.xid, 0, nullptr);
    const Surface& s = w.surface;
    // The image over the surface's own rows, for the plain request.
    XImage plain{};
    if (!nw.shmImage && format_.direct) {
        plain.width = s.width;
        plain.height = s.height;
        plain.format = ZPixmap;
        plain.data = reinterpret_cast<char*>(const_cast<Pixel*>(s.pixels.data()));
        plain.byte_order = LSBFirst;
        plain.bitmap_unit = 32;
        plain.bitmap_bit_order = LSBFirst;
        plain.bitmap_pad = 32;
        plain.depth = depth_;
        plain.bytes_per_line = s.width * static_cast<int>(sizeof(Pixel));
        plain.bits_per_pixel = 32;
        plain.red_mask = format_.red;
        plain.green_mask = format_.green;
        plain.blue_mask = format_.blue;
        XInitImage(&plain);
    }
    for (const x11::Transfer& t : x11::plan_transfers(s, visible)) {
        const RECT& b = t.rect;
        const int dx = b.left - part.left, dy = b.top - part.top;
        const auto width = static_cast<unsigned>(b.right - b.left);
        const auto height = static_cast<unsigned>(b.bottom - b.top);
        if (t.fill) {
            XSetForeground(dpy_, gc_, x_pixel(t.colour));
            XFillRectangle(dpy_, nw.xid, gc_, dx, dy, width, height);
        } else if (nw.shmImage) {
            XShmPutImage(dpy_, nw.xid, gc_, nw.shmImage, b.left, b.top, dx, dy, width, height,
                         False);
            shmPut_ = true;
        } else if (format_.direct) {
            XPutImage(dpy_, nw.xid, gc_, &plain, b.left, b.top, dx, dy, width, height);
        } else {
            put_converted(nw, s, b, dx, dy);
        }
    }
    framesSent_ = true;
}

// A visual with another pixel layout: the band is converted into an image of its own size.
void X11Backend::put_converted(NativeWindow& nw, const Surface& s, const RECT& r, int dx, int dy) {
    const auto width = static_cast<unsigned>(r.right - r.left);
    const auto height = static_cast<unsigned>(r.bottom - r.top);
    XImage* img = XCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0, nullptr,
                               width, height, 32, 0);
    if (!img) return;
    img->data =
        static_cast<char*>(std::malloc(static_cast<std::size_t>(img->bytes_per_line) * height));
    if (!img->data) {
        XDestroyImage(img);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            XPutPixel(img, x - r.left, y - r.top, x_pixel(s.at(x, y)));
    XPutImage(dpy_, nw.xid, gc_, img, 0, 0, dx, dy, width, height);
    XDestroyImage(img); // frees the malloc'd data
}

void X11Backend::send_damage(HWND hwnd) {
    NativeWindow* nw = native_of(hwnd);
    const Window* w = lookup(hwnd);
    if (!nw || nw->damage.empty()) return;
    // A window that is not viewable gets all its pixels with its next Expose.
    if (w && nw->viewable) {
        // Many small rectangles cost more in requests than their bounds in pixels.
        constexpr std::size_t ManyRects = 32;
        if (nw->damage.size() > ManyRects) {
            RECT bounds = nw->damage.front();
            for (const RECT& r : nw->damage)
                UnionRect(&bounds, &bounds, &r);
            nw->damage.assign(1, bounds);
        }
        for (const RECT& r : nw->damage)
            send(*nw, *w, r);
    }
    nw->damage.clear();
}

// Shared images are read by the server later, and the layer may paint into them at any time,
// so the server has read them before the program goes on.
void X11Backend::finish_requests() {
    if (shmPut_ || (framesSent_ && exitAfterFirstFrame_))
        XSync(dpy_, False);
    else
        XFlush(dpy_);
    shmPut_ = false;
    if (framesSent_ && exitAfterFirstFrame_) {
        // The first frame is on the server: the start-up benchmark has what it measures.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    framesSent_ = false;
}

// --- bringing X up to date ----------------------------------------------------------------

void X11Backend::update_window(HWND hwnd) {
    NativeWindow* nw = native_of(hwnd);
    const Window* w = lookup(hwnd);
    if (!nw || !w || !nw->dirty) return;
    nw->dirty = false;
    if (!nw->titleSet || nw->title != nw->description.title) {
        nw->title = nw->description.title;
        nw->titleSet = true;
        set_title(dpy_, nw->xid, atoms_, nw->title);
    }
    if (!nw->iconSet && nw->managed) {
        nw->iconSet = true;
        set_icon(dpy_, nw->xid, atoms_, hwnd);
    }
    const bool visible = (w->style & WS_VISIBLE) != 0;
    const bool minimized = (w->style & WS_MINIMIZE) != 0;
    const bool zoomed = (w->style & WS_MAXIMIZE) != 0;
    // A window manager decides where a maximised window goes (it knows the panels); it is asked.
    const bool wmPlaces = wmPresent_ && nw->managed && zoomed;
    if (wmPresent_ && nw->managed && zoomed != nw->maximized) {
        nw->maximized = zoomed;
        request_maximized(dpy_, root_, nw->xid, atoms_, zoomed);
    }
    // A minimised window is parked off-screen by the layer; its X window stays where it was.
    if (!minimized && !wmPlaces) {
        RECT native = x11::native_part(w->rect, w->style, w->exStyle, w->menu != nullptr);
        OffsetRect(&native, w->rect.left, w->rect.top);
        if (!EqualRect(&native, &nw->native)) {
            nw->native = native;
            XMoveResizeWindow(dpy_, nw->xid, native.left, native.top,
                              static_cast<unsigned>(std::max<LONG>(native.right - native.left, 1)),
                              static_cast<unsigned>(std::max<LONG>(native.bottom - native.top, 1)));
            if (nw->fixedSize) set_size_hints(dpy_, nw->xid, native, true);
        }
    }
    if (visible && !nw->mapRequested) {
        nw->mapRequested = true;
        XMapRaised(dpy_, nw->xid); // its first Expose shows the picture painted by now
        if (minimized) XIconifyWindow(dpy_, nw->xid, screen_);
    } else if (visible && minimized && !nw->iconic) {
        XIconifyWindow(dpy_, nw->xid, screen_);
    } else if (visible && !minimized && nw->iconic) {
        XMapRaised(dpy_, nw->xid); // asks the window manager to restore it
    } else if (!visible && nw->mapRequested) {
        nw->mapRequested = false;
        XWithdrawWindow(dpy_, nw->xid, screen_);
    }
}

// Pop-ups stack as the layer stacks them (a submenu over its menu, a tooltip over both), above
// every frame; the window manager stacks the frames.
void X11Backend::restack_popups() {
    const std::vector<HWND>& order = top_level_order();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (NativeWindow* nw = native_of(*it); nw && !nw->managed && nw->mapRequested)
            XRaiseWindow(dpy_, nw->xid);
}

// Activation inside the program (a dialog coming up, a click on a frame) moves the X input
// focus along; activation that came from X is already there.
void X11Backend::update_focus() {
    const HWND active = GetActiveWindow();
    if (active == lastActive_) return;
    NativeWindow* nw = native_of(active);
    if (!nw || !nw->viewable) return; // tried again once it is mapped
    lastActive_ = active;
    if (nw->xid == focusXid_) return;
    // Focus changes the server made before it saw this request are out of date once they arrive.
    focusRequest_ = NextRequest(dpy_);
    if (wmPresent_ && nw->managed) {
        request_activation(dpy_, root_, nw->xid, atoms_);
    } else {
        // With no window manager, nobody else raises the window that gets the keyboard.
        XRaiseWindow(dpy_, nw->xid);
        XSetInputFocus(dpy_, nw->xid, RevertToParent, CurrentTime);
    }
}

// While the layer holds the pointer (capture, or an open menu or drop-down list), X sends every
// pointer event to us, so a click outside our windows reaches the layer and closes the menu.
void X11Backend::update_grab() {
    HWND target = GetCapture();
    while (target && (GetWindowLongPtrA(target, GWL_STYLE) & WS_CHILD))
        target = GetParent(target);
    if (!target)
        for (HWND top : top_level_order())
            if (const NativeWindow* nw = native_of(top);
                nw && nw->description.grabsPointer && IsWindowVisible(top)) {
                target = top;
                break;
            }
    const NativeWindow* nw = native_of(target);
    const XWindow want = nw && nw->viewable ? nw->xid : 0;
    grabDirty_ = target && !want; // not mapped yet: again at the next wait
    if (want == grabbed_) return;
    if (!want) {
        XUngrabPointer(dpy_, CurrentTime);
        grabbed_ = 0;
        return;
    }
    const int status =
        XGrabPointer(dpy_, want, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                     GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    if (status == GrabSuccess)
        grabbed_ = want;
    else
        grabDirty_ = true;
}

void X11Backend::update_all() {
    std::vector<HWND> handles;
    handles.reserve(windows_.size());
    for (const auto& [hwnd, nw] : windows_)
        handles.push_back(hwnd);
    bool changed = false;
    for (HWND hwnd : handles) {
        NativeWindow* nw = native_of(hwnd);
        changed |= nw && nw->dirty;
        update_window(hwnd);
    }
    if (changed) restack_popups();
    for (HWND hwnd : handles)
        send_damage(hwnd);
    update_focus();
    if (grabDirty_) update_grab();
    finish_requests();
}

// --- events -------------------------------------------------------------------------------

bool X11Backend::wait_for_input(int timeoutMs) {
    update_all();
    if (process_pending()) return true;
    if (timeoutMs == 0) return false;
    pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs < 0 ? -1 : timeoutMs);
    if (ready <= 0) return false;
    if (p.revents & (POLLHUP | POLLERR)) {
        // The server went away: nothing more will ever arrive, so the program is told to end.
        PostQuitMessage(1);
        return true;
    }
    return process_pending();
}

bool X11Backend::process_pending() {
    bool any = false;
    // XPending reads what the socket holds; events are handled one at a time, as a handler may
    // run the layer's window procedures, which may wait again.
    while (XPending(dpy_)) {
        XEvent e;
        XNextEvent(dpy_, &e);
        handle(e);
        any = true;
    }
    if (focusLeft_) {
        focusLeft_ = false;
        focus_left();
    }
    return any;
}

void X11Backend::handle(XEvent& e) {
    if (clipboard_->handle(e)) return;
    const HWND hwnd = hwnd_of(e.xany.window);
    switch (e.type) {
    case KeyPress:
    case KeyRelease:
        on_key(e.xkey);
        break;
    case ButtonPress:
    case ButtonRelease:
        on_button(e.xbutton);
        break;
    case MotionNotify: {
        // Only the latest position of a burst of motion matters; a motion is never taken from
        // beyond a button or key event, whose position it would change.
        for (XEvent next; XEventsQueued(dpy_, QueuedAlready) > 0;) {
            XPeekEvent(dpy_, &next);
            if (next.type != MotionNotify) break;
            XNextEvent(dpy_, &e);
        }
        input_sink().pointer({e.xmotion.x_root, e.xmotion.y_root}, -1, false);
        break;
    }
    case EnterNotify:
        pointerWindow_ = e.xcrossing.window;
        if (NativeWindow* nw = native_of(hwnd)) nw->cursor = 0; // defined again on the next move
        // A grab taken or let go (SetCapture, a key pressing a button) moves no pointer: a move
        // here would take a button's press away from the key holding it.
        if (e.xcrossing.mode == NotifyNormal)
            input_sink().pointer({e.xcrossing.x_root, e.xcrossing.y_root}, -1, false);
        break;
    case Expose:
        // From the surface itself: the program is not asked to paint again.
        if (NativeWindow* nw = native_of(hwnd); nw && lookup(hwnd)) {
            const Window* w = lookup(hwnd);
            const RECT part = x11::native_part(w->rect, w->style, w->exStyle, w->menu != nullptr);
            const RECT r{e.xexpose.x + part.left, e.xexpose.y + part.top,
                         e.xexpose.x + e.xexpose.width + part.left,
                         e.xexpose.y + e.xexpose.height + part.top};
            send(*nw, *w, r);
            if (e.xexpose.count == 0) finish_requests();
        }
        break;
    case ConfigureNotify:
        if (hwnd) on_configure(hwnd, e.xconfigure);
        break;
    case MapNotify:
        if (NativeWindow* nw = native_of(hwnd)) {
            nw->viewable = true;
            const bool wasIconic = nw->iconic;
            nw->iconic = false;
            grabDirty_ = true;
            lastActive_ = nullptr; // the active window may have waited for this one
            if (wasIconic && IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
        }
        break;
    case UnmapNotify:
        if (NativeWindow* nw = native_of(hwnd)) nw->viewable = false;
        break;
    case PropertyNotify:
        if (hwnd && e.xproperty.atom == atoms_.WM_STATE) on_wm_state(hwnd);
        if (hwnd && e.xproperty.atom == atoms_._NET_WM_STATE) on_net_wm_state(hwnd);
        break;
    case FocusIn:
        if (hwnd && e.xfocus.detail != NotifyPointer) on_focus_in(hwnd, e.xfocus.serial);
        break;
    case FocusOut:
        if (hwnd && e.xfocus.detail != NotifyPointer && e.xfocus.detail != NotifyInferior) {
            if (focusXid_ == e.xfocus.window) focusXid_ = 0;
            focusLeft_ = true;
        }
        break;
    case ClientMessage:
        if (hwnd) on_client_message(hwnd, e.xclient);
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&e.xmapping);
        break;
    default:
        break;
    }
}

void X11Backend::on_key(XKeyEvent& e) {
    char bytes[8] = {};
    KeySym shifted = NoSymbol;
    const int n = XLookupString(&e, bytes, sizeof bytes, &shifted, nullptr);
    const KeySym base = XLookupKeysym(&e, 0);
    const bool pressed = e.type == KeyPress;
    // A server without detectable auto-repeat sends a repeat as a release and a press with the
    // same time: the release is dropped, the press then counts as a repeat.
    if (!pressed && !detectableRepeat_ && XEventsQueued(dpy_, QueuedAfterReading)) {
        XEvent next;
        XPeekEvent(dpy_, &next);
        if (next.type == KeyPress && next.xkey.keycode == e.keycode && next.xkey.time == e.time)
            return;
    }
    // Lock keys may have changed in other programs; the event's state is from before this key.
    sync_lock_keys(e.state);
    // A key is released as what it was pressed as, whatever Num Lock did in between.
    x11::KeyIdentity& held = held_[e.keycode & 0xFF];
    const x11::KeyIdentity key = pressed ? x11::key_identity(base, shifted) : held;
    if (pressed) held = key;
    if (!key.vk) return;
    const char c =
        pressed ? x11::typed_character(key.vk, std::string_view(bytes, n > 0 ? n : 0), shifted) : 0;
    // The scan code: X keycodes are the PC set-1 codes plus 8 on the main block.
    const unsigned scan = e.keycode >= 8 && e.keycode < 8 + 0x59 ? e.keycode - 8 : 0;
    const LPARAM extra = static_cast<LPARAM>((scan << 16) | (key.extended ? 1u << 24 : 0));
    input_sink().key(key.vk, c, pressed, extra);
}

void X11Backend::on_button(const XButtonEvent& e) {
    const POINT p{e.x_root, e.y_root};
    const bool pressed = e.type == ButtonPress;
    switch (e.button) {
    case Button1:
        input_sink().pointer(p, 0, pressed);
        break;
    case Button2:
        input_sink().pointer(p, 2, pressed);
        break;
    case Button3:
        input_sink().pointer(p, 1, pressed);
        break;
    case Button4:
    case Button5:
        // Each notch is a press and release; the press turns the wheel.
        if (pressed) input_sink().wheel(p, e.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA);
        break;
    default:
        break;
    }
}

// The window manager or the user moved or sized the window: the layer follows, which sends the
// program WM_MOVE and WM_SIZE.
void X11Backend::on_configure(HWND hwnd, const XConfigureEvent& e) {
    NativeWindow* nw = native_of(hwnd);
    const Window* w = lookup(hwnd);
    if (!nw || !w || !nw->managed || IsIconic(hwnd)) return;
    int x = e.x, y = e.y;
    // A real event from a reparenting window manager is relative to its frame; the synthetic one
    // it sends afterwards, and any event with no window manager, is relative to the root.
    if (!e.send_event) {
        XWindow child;
        XTranslateCoordinates(dpy_, nw->xid, root_, 0, 0, &x, &y, &child);
    }
    const RECT native{x, y, x + e.width, y + e.height};
    if (EqualRect(&native, &nw->native)) return;
    nw->native = native;
    const RECT r = x11::window_rect_for(native, w->rect, w->style, w->exStyle, w->menu != nullptr);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// ICCCM: the window manager records iconifying and restoring in WM_STATE.
void X11Backend::on_wm_state(HWND hwnd) {
    NativeWindow* nw = native_of(hwnd);
    if (!nw) return;
    const long state = read_wm_state(dpy_, nw->xid, atoms_);
    if (state == IconicState && !nw->iconic) {
        nw->iconic = true;
        if (!IsIconic(hwnd)) ShowWindow(hwnd, SW_MINIMIZE);
    } else if (state == NormalState && nw->iconic) {
        nw->iconic = false;
        if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    }
}

// EWMH: the window manager maximised or restored the window; the program hears SIZE_MAXIMIZED
// or SIZE_RESTORED, and the window manager's ConfigureNotify brings the size.
void X11Backend::on_net_wm_state(HWND hwnd) {
    NativeWindow* nw = native_of(hwnd);
    if (!nw || !nw->managed) return;
    const bool maximized = read_maximized(dpy_, nw->xid, atoms_);
    if (maximized == nw->maximized) return;
    nw->maximized = maximized;
    if (maximized && !IsZoomed(hwnd))
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else if (!maximized && IsZoomed(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
}

void X11Backend::on_client_message(HWND hwnd, const XClientMessageEvent& e) {
    if (e.message_type != atoms_.WM_PROTOCOLS || e.format != 32) return;
    const auto protocol = static_cast<Atom>(e.data.l[0]);
    if (protocol == atoms_.WM_DELETE_WINDOW) {
        // The close box: the program decides in WM_CLOSE. A window with a modal dialog up is
        // disabled, and its close box does nothing, as on the original platform.
        if (IsWindowEnabled(hwnd)) PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (protocol == atoms_._NET_WM_PING) {
        XClientMessageEvent reply = e;
        reply.window = root_;
        XSendEvent(dpy_, root_, False, SubstructureNotifyMask | SubstructureRedirectMask,
                   reinterpret_cast<XEvent*>(&reply));
    }
}

void X11Backend::on_focus_in(HWND hwnd, unsigned long serial) {
    NativeWindow* nw = native_of(hwnd);
    if (!nw) return;
    focusXid_ = nw->xid;
    focusLeft_ = false;
    XkbStateRec keyboard{};
    if (XkbGetState(dpy_, XkbUseCoreKbd, &keyboard) == Success)
        sync_lock_keys(keyboard.locked_mods);
    // A focus the server gave before it saw our latest request, or while the program has
    // activated a window X has not been told of yet (it is waiting to be mapped), is out of date:
    // the focus is on its way to the program's choice. Obeying it would hand activation back.
    if (const HWND active = GetActiveWindow(); active != hwnd) {
        const bool outdated = static_cast<long>(serial - focusRequest_) < 0;
        const NativeWindow* pending = native_of(active);
        const bool unsent = active != lastActive_ && pending && pending->mapRequested;
        if (outdated || unsent) return;
    }
    input_sink().focus_in(hwnd);
    // When a modal dialog took activation in its disabled owner's place, X is told next.
    lastActive_ = GetActiveWindow() == hwnd ? hwnd : nullptr;
}

void X11Backend::sync_lock_keys(unsigned state) {
    input_sink().lock_key(VK_CAPITAL, state & LockMask);
    if (!lockMasksKnown_) {
        lockMasksKnown_ = true;
        numLockMask_ = XkbKeysymToModifiers(dpy_, XK_Num_Lock);
        scrollLockMask_ = XkbKeysymToModifiers(dpy_, XK_Scroll_Lock);
    }
    if (numLockMask_) input_sink().lock_key(VK_NUMLOCK, state & numLockMask_);
    if (scrollLockMask_) input_sink().lock_key(VK_SCROLL, state & scrollLockMask_);
}

// The keyboard went to another program: no window of ours stays active.
void X11Backend::focus_left() {
    XWindow focus = 0;
    int revert = 0;
    XGetInputFocus(dpy_, &focus, &revert);
    if (hwnd_of(focus)) return;
    focusXid_ = 0;
    lastActive_ = nullptr;
    input_sink().focus_lost();
}

} // namespace

std::unique_ptr<Backend> open_x11_backend(std::string& reason) {
    const char* name = std::getenv("DISPLAY");
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        reason = name && *name ? std::string("cannot open the X display \"") + name +
                                     "\" (TESS_BACKEND=headless runs on the in-memory screen)"
                               : "no X display: DISPLAY is not set (TESS_BACKEND=headless runs on "
                                 "the in-memory screen)";
        return nullptr;
    }
    const Visual* v = DefaultVisual(dpy, DefaultScreen(dpy));
    if (v->c_class != TrueColor) {
        reason = "the X display has no true-colour default visual";
        XCloseDisplay(dpy);
        return nullptr;
    }
    return std::make_unique<X11Backend>(dpy);
}

} // namespace plat
