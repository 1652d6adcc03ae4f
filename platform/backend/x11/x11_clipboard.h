// The X side of the clipboard: the program's CF_TEXT offered as the CLIPBOARD selection, and
// another client's CLIPBOARD selection read for pasting.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "window/clipboard.h"

namespace plat::x11 {

class X11Clipboard : public ClipboardShare {
public:
    explicit X11Clipboard(Display* dpy);
    ~X11Clipboard() override;
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    void claim(const std::string& text) override;
    bool foreign_text(std::string* text) override;
    // Selection events of the clipboard's own window; true when the event was one of them.
    bool handle(const XEvent& e);

private:
    void prepare();
    void answer(const XSelectionRequestEvent& request);
    bool wait_for_notify(XEvent* out);
    bool read(Atom target, std::string* text);

    Display* dpy_;
    ::Window window_ = 0;
    Atom clipboard_ = None, targets_ = None, utf8_ = None, string_ = None, property_ = None,
         incr_ = None;
    std::string text_; // what the program put on the clipboard, Windows-1252
    bool owned_ = false;
};

} // namespace plat::x11
