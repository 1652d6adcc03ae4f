// xxwait_: a pause that keeps every window served.
#include <platform_modal.h>

#include "core/context.h"
#include "core/pretranslate.h"
#include "graphics/oswin.h"

void xxwait_(const int& hundredths) {
    using namespace tess;
    const HWND client = current_window().client;
    const UINT elapse = hundredths > 0 ? static_cast<UINT>(hundredths) * 10u : 0u;
    if (!client || !SetTimer(client, WaitTimerId, elapse, nullptr)) return;
    tk().waitTimer = 1;
    // The client procedure clears the flag when the timer fires; the window's destruction or
    // WM_QUIT (posted again for the program's own loop) ends the wait as well.
    plat::ModalLoop wait;
    wait.window = client;
    wait.filter = [](MSG& msg) { return pretranslate_takes(msg); };
    wait.done = [] { return tk().waitTimer == 0; };
    plat::run_modal_loop(wait);
    tk().waitTimer = 0;
}
