#include "backend/x11/x11_clipboard.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <array>
#include <chrono>

#include "resource/cp1252.h"

namespace plat::x11 {
namespace {

constexpr int ReplyTimeoutMs = 1000; // how long another client may take to hand its text over

std::string utf8_of(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Malformed sequences become U+FFFD, which the code page then shows as '?'.
std::u16string utf16_of_utf8(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80         ? 0
                          : (b >> 5) == 6  ? 1
                          : (b >> 4) == 14 ? 2
                          : (b >> 3) == 30 ? 3
                                           : -1;
        char32_t c = extra == 0   ? b
                     : extra == 1 ? (b & 0x1F)
                     : extra == 2 ? (b & 0x0F)
                                  : (b & 0x07);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size() + (extra == 0);
        for (int k = 1; ok && k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            ok = (cb & 0xC0) == 0x80;
            c = (c << 6) | (cb & 0x3F);
        }
        if (!ok) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// STRING is Latin-1: the code page's own characters in 0x80-0x9F have no place there.
std::string latin1_of(const std::string& cp1252) {
    std::string out = cp1252;
    for (char& c : out)
        if (static_cast<unsigned char>(c) >= 0x80 && static_cast<unsigned char>(c) < 0xA0) c = '?';
    return out;
}

} // namespace

X11Clipboard::X11Clipboard(Display* dpy) : dpy_(dpy) {}

X11Clipboard::~X11Clipboard() {
    if (window_) XDestroyWindow(dpy_, window_);
}

// The window and atoms are made at the first use, so a program that never copies or pastes
// costs the server nothing at start-up.
void X11Clipboard::prepare() {
    if (window_) return;
    window_ = XCreateSimpleWindow(dpy_, DefaultRootWindow(dpy_), 0, 0, 1, 1, 0, 0, 0);
    std::array<char*, 5> names{const_cast<char*>("CLIPBOARD"), const_cast<char*>("TARGETS"),
                               const_cast<char*>("UTF8_STRING"),
                               const_cast<char*>("TESS_CLIPBOARD"), const_cast<char*>("INCR")};
    std::array<Atom, 5> atoms{};
    XInternAtoms(dpy_, names.data(), static_cast<int>(names.size()), False, atoms.data());
    clipboard_ = atoms[0];
    targets_ = atoms[1];
    utf8_ = atoms[2];
    property_ = atoms[3];
    incr_ = atoms[4];
    string_ = XA_STRING;
}

void X11Clipboard::claim(const std::string& text) {
    prepare();
    text_ = text;
    XSetSelectionOwner(dpy_, clipboard_, window_, CurrentTime);
    owned_ = XGetSelectionOwner(dpy_, clipboard_) == window_;
    XFlush(dpy_);
}

bool X11Clipboard::handle(const XEvent& e) {
    if (!window_) return false;
    if (e.xany.window != window_ &&
        !(e.type == SelectionRequest && e.xselectionrequest.owner == window_))
        return false;
    switch (e.type) {
    case SelectionRequest:
        answer(e.xselectionrequest);
        return true;
    case SelectionClear:
        if (e.xselectionclear.selection == clipboard_) {
            owned_ = false;
            clipboard_taken_by_other();
        }
        return true;
    default:
        return false;
    }
}

// Another client asks for the text: the list of forms, or the text in one of them; anything
// else is refused with a property of None.
void X11Clipboard::answer(const XSelectionRequestEvent& request) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = dpy_;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    // Old clients name no property: the target doubles as one.
    const Atom property = request.property != None ? request.property : request.target;
    reply.property = None;
    if (owned_ && request.selection == clipboard_) {
        if (request.target == targets_) {
            const std::array<Atom, 3> forms{targets_, utf8_, string_};
            XChangeProperty(dpy_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(forms.data()),
                            static_cast<int>(forms.size()));
            reply.property = property;
        } else if (request.target == utf8_ || request.target == string_) {
            const std::string data =
                request.target == utf8_ ? utf8_of(cp1252_to_utf16(text_)) : latin1_of(text_);
            XChangeProperty(dpy_, request.requestor, property, request.target, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(data.data()),
                            static_cast<int>(data.size()));
            reply.property = property;
        }
    }
    XSendEvent(dpy_, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(dpy_);
}

// Only the answer is taken from the queue; every other event stays for the backend's loop.
bool X11Clipboard::wait_for_notify(XEvent* out) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ReplyTimeoutMs);
    for (;;) {
        XFlush(dpy_);
        if (XCheckTypedWindowEvent(dpy_, window_, SelectionNotify, out)) return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
    }
}

bool X11Clipboard::read(Atom target, std::string* text) {
    XConvertSelection(dpy_, clipboard_, target, property_, window_, CurrentTime);
    XEvent e;
    if (!wait_for_notify(&e) || e.xselection.property == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(dpy_, window_, property_, 0, 0x7FFFFFFF, True,
                                          AnyPropertyType, &type, &format, &count, &after, &data);
    if (status != Success || !data) return false;
    // Text handed over in pieces (INCR) is not taken.
    const bool usable = type != incr_ && format == 8;
    const std::string raw(reinterpret_cast<const char*>(data), usable ? count : 0);
    XFree(data);
    if (!usable) return false;
    if (target == utf8_)
        *text = utf16_to_cp1252(utf16_of_utf8(raw));
    else
        *text = latin1_of(raw);
    return true;
}

bool X11Clipboard::foreign_text(std::string* text) {
    prepare();
    const ::Window owner = XGetSelectionOwner(dpy_, clipboard_);
    if (owner == None || owner == window_) return false;
    return read(utf8_, text) || read(string_, text);
}

} // namespace plat::x11
