#include "core/pretranslate.h"

#include "core/context.h"

bool tess::pretranslate(MSG& msg) {
    const HWND frame = current_window().frame;
    const HACCEL accel = tk().menus.accel;
    if (accel && frame && TranslateAcceleratorA(frame, accel, &msg)) return true;
    if (yydialogmessage(msg)) return true;
    TranslateMessage(&msg);
    return false;
}
