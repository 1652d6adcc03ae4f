// The narrow interface between the window system and what shows its surfaces: headless for
// tests, X11 for users. The layer above is identical for every backend.
#pragma once

#include <cstdint>

#include <memory>
#include <span>
#include <string>

#include <windows.h>

#include "controls/control.h"
#include "gdi/surface.h"

namespace plat {

// What a top-level surface is, as far as showing it is concerned; the layer says so when the
// surface is made and whenever any of it changes.
struct SurfaceDescription {
    // Frame and Dialog get the native frame; PopupMenu, DropDownList and Tooltip are bare.
    SurfaceKind kind = SurfaceKind::Frame;
    HWND owner = nullptr; // its owner's surface, or none
    std::string title;
    bool fixedSize = false;    // no sizing border
    bool grabsPointer = false; // while shown, every pointer event is the program's (open menus)
    bool operator==(const SurfaceDescription&) const = default;
};

// Where a backend hands what the user does: device input goes to the hardware queue, to be
// addressed when the program reads it; native focus changes move activation.
class InputSink {
public:
    virtual ~InputSink() = default;
    // scanBits: the scan code and extended-key bit as the key messages' lParam carries them.
    virtual void key(int vk, char character, bool pressed, LPARAM scanBits) = 0;
    // button: 0 left, 1 right, 2 middle, -1 a move.
    virtual void pointer(POINT screen, int button, bool pressed) = 0;
    virtual void wheel(POINT screen, int delta) = 0;
    // A lock key's toggle state as the native keyboard has it (other programs may change it).
    virtual void lock_key(int vk, bool on) = 0;
    // The native keyboard focus came to a surface, or went to another program.
    virtual void focus_in(HWND surface) = 0;
    virtual void focus_lost() = 0;
};
// The layer's sink, unless a test put another in its place (nullptr restores it).
InputSink& input_sink();
void set_input_sink(InputSink* sink);

class Backend {
public:
    virtual ~Backend() = default;
    virtual SIZE screen_size() const = 0;
    virtual int bits_per_pixel() const = 0;
    // What a surface is, before it is created and again when that changes.
    virtual void surface_described(HWND, const SurfaceDescription&) {}
    // A top-level window got, changed or lost its native surface.
    virtual void surface_created(HWND hwnd, Surface& surface) = 0;
    virtual void surface_destroyed(HWND hwnd) = 0;
    // The damaged rectangles of a top-level surface (surface coordinates, inside the surface,
    // possibly overlapping) hold their final pixels: show them. Called only by the flush at
    // every wait and at GdiFlush.
    virtual void present(HWND top, std::span<const RECT> damage) = 0;
    // Waits up to timeoutMs (negative: until something happens) for native input and hands it
    // to the input sink (window/input_sink.h). Returns whether anything arrived.
    virtual bool wait_for_input(int timeoutMs) = 0;
    virtual void bell() = 0;
    // Whether the border and caption the layer paints around a top-level window are shown; a
    // backend whose windows a native manager frames shows its own instead.
    virtual bool shows_frame(HWND) const { return true; }

    // Hooks with nothing to do on a screen of its own. A backend with native windows reads the
    // window's current state when it next waits, so a burst of changes costs one update.
    //
    // A top-level window's place, size, visibility or minimised state changed.
    virtual void window_changed(HWND) {}
    // SetCursor chose a pointer shape (nullptr hides the pointer).
    virtual void cursor_changed(HCURSOR) {}
    // SetCapture or ReleaseCapture; nullptr when nothing holds the pointer any more.
    virtual void capture_changed(HWND) {}
    // SetCursorPos moved the pointer to a screen position.
    virtual void cursor_moved(POINT) {}
};

Backend& backend();
// Replaces the backend; the previous one is destroyed.
void set_backend(std::unique_ptr<Backend> next);
// Counts the screens set so far: state that belongs to one screen starts afresh when it changes.
std::uint64_t screen_serial();

} // namespace plat
