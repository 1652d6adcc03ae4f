#include "window/modal_loop.h"

#include <optional>

namespace plat {
namespace {

int depth = 0;

// Counts a loop for as long as it runs, whichever way it ends.
struct DepthCount {
    DepthCount() { ++depth; }
    ~DepthCount() { --depth; }
    DepthCount(const DepthCount&) = delete;
    DepthCount& operator=(const DepthCount&) = delete;
};

std::optional<ModalEnd> ended(const ModalLoop& loop) {
    if (loop.owner && !IsWindow(loop.owner)) return ModalEnd::OwnerDestroyed;
    if (loop.window && !IsWindow(loop.window)) return ModalEnd::WindowDestroyed;
    if (loop.done && loop.done()) return ModalEnd::Done;
    return std::nullopt;
}

// Idle messages go once each time the queue runs dry, not at every wake-up of the wait.
std::optional<ModalEnd> wait_idle(const ModalLoop& loop, bool& idleSent) {
    if (!idleSent) {
        idleSent = true;
        if (loop.idle) loop.idle();
        if (auto e = ended(loop)) return e;
        if (loop.idleCode >= 0 && loop.owner) {
            const HWND shown = loop.idleWindow ? loop.idleWindow() : loop.window;
            SendMessageA(loop.owner, WM_ENTERIDLE, static_cast<WPARAM>(loop.idleCode),
                         reinterpret_cast<LPARAM>(shown));
            if (auto e = ended(loop)) return e;
        }
        MSG probe;
        if (PeekMessageA(&probe, nullptr, 0, 0, PM_NOREMOVE)) return std::nullopt;
    }
    WaitMessage();
    return std::nullopt;
}

} // namespace

int modal_loop_depth() {
    return depth;
}

ModalEnd run_modal_loop(const ModalLoop& loop) {
    const DepthCount counted;
    const bool disabled =
        loop.disableOwner && loop.owner && IsWindow(loop.owner) && IsWindowEnabled(loop.owner);
    if (disabled) EnableWindow(loop.owner, FALSE);
    std::optional<ModalEnd> result;
    bool idleSent = false;
    int quitCode = 0;
    while (!(result = ended(loop))) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            result = wait_idle(loop, idleSent);
            if (result) break;
            continue;
        }
        idleSent = false;
        if (msg.message == WM_QUIT) {
            quitCode = static_cast<int>(msg.wParam);
            result = ModalEnd::Quit;
            break;
        }
        if (loop.filter && loop.filter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (disabled && IsWindow(loop.owner)) EnableWindow(loop.owner, TRUE);
    if (*result == ModalEnd::Quit) PostQuitMessage(quitCode);
    return *result;
}

} // namespace plat
