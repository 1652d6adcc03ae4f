#include "core/pretranslate.h"

#include "core/context.h"

bool tess::pretranslate_takes(MSG& msg) {
    const HWND frame = current_window().frame;
    const HACCEL accel = tk().menus.accel;
    if (accel && frame && TranslateAcceleratorA(frame, accel, &msg)) return true;
    return yydialogmessage(msg);
}

bool tess::pretranslate(MSG& msg) {
    if (pretranslate_takes(msg)) return true;
    TranslateMessage(&msg);
    return false;
}
