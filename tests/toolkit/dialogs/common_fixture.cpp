#include "toolkit/dialogs/common_fixture.h"

#include <cctype>

namespace commontest {

namespace {

WNDPROC previous = nullptr;
int guardCount = 0;
std::string caption;
std::function<void(HWND)> look;

LRESULT CALLBACK guard_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        // Every key was taken before the queue first ran empty.
        const HWND box = reinterpret_cast<HWND>(lParam);
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        caption = text;
        if (look) look(box);
        ++guardCount;
        EndDialog(box, GuardAnswer);
        return 0;
    }
    return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

int key_code(char c) {
    if (std::isalpha(static_cast<unsigned char>(c)))
        return std::toupper(static_cast<unsigned char>(c));
    if (std::isdigit(static_cast<unsigned char>(c))) return c;
    switch (c) {
    case '.':
        return 0xBE;
    case '/':
        return 0xBF;
    case '-':
    case '_':
        return 0xBD;
    case ' ':
        return VK_SPACE;
    case '"':
        return 0xDE;
    default:
        return 0;
    }
}

} // namespace

void key(int vk, char c) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

void type(const std::string& text) {
    for (char c : text)
        key(key_code(c), c);
}

void CommonDialogs::SetUp() {
    ToolkitWindows::SetUp();
    open_root(400, 300);
    guardCount = 0;
    caption.clear();
    look = nullptr;
    const HWND owner = tess::tk().core.hWinCur;
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(guard_proc)));
}

void CommonDialogs::TearDown() {
    const HWND owner = tess::tk().core.hWinCur;
    if (owner && previous)
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    previous = nullptr;
    ToolkitWindows::TearDown();
}

int CommonDialogs::guarded() const {
    return guardCount;
}

void CommonDialogs::look_at_idle(std::function<void(HWND)> f) {
    look = std::move(f);
}

std::string CommonDialogs::guarded_caption() const {
    return caption;
}

} // namespace commontest
