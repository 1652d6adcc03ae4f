// xxwait_: a pause that keeps every window served.
#include "core/context.h"
#include "core/pretranslate.h"
#include "graphics/oswin.h"

void xxwait_(const int& hundredths) {
    using namespace tess;
    const HWND client = current_window().client;
    const UINT elapse = hundredths > 0 ? static_cast<UINT>(hundredths) * 10u : 0u;
    if (!client || !SetTimer(client, WaitTimerId, elapse, nullptr)) return;
    tk().waitTimer = 1;
    // The client procedure clears the flag when the timer fires. Waiting in GetMessage rather
    // than polling keeps the processor idle meanwhile.
    MSG msg;
    while (tk().waitTimer && IsWindow(client)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!pretranslate(msg)) DispatchMessageA(&msg);
    }
    tk().waitTimer = 0;
}
