// xxwait_: a pause that keeps every window served.
#include "core/wwindow.h"
#include "graphics/oswin.h"

void xxwait_(const int& hundredths) {
    using namespace tess;
    const HWND window = valid_window_number(core.wIndex)
                            ? core.hClient[static_cast<std::size_t>(core.wIndex)]
                            : nullptr;
    const UINT elapse = hundredths > 0 ? static_cast<UINT>(hundredths) * 10u : 0u;
    if (!window || !SetTimer(window, WaitTimerId, elapse, nullptr)) return;
    TimerEnabled = 1;
    // The client procedure clears the flag when the timer fires. Waiting in GetMessage rather
    // than polling keeps the processor idle meanwhile.
    MSG msg;
    while (TimerEnabled && IsWindow(window)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    TimerEnabled = 0;
}
