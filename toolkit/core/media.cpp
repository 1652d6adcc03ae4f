#include "core/media.h"

#include "core/context.h"

using namespace tess;

namespace {

void close_device(int device) {
    if (device != 0 && tk().closeMedia) tk().closeMedia(device);
}

} // namespace

void yyclosemcidevice(int number) {
    if (!valid_window_number(number)) return;
    int& device = window(number).device;
    close_device(device);
    device = 0;
}

void yymedianotify(int device) {
    if (device == 0) return;
    for (WindowRecord& w : tk().core.slots) {
        if (w.device != device) continue;
        w.device = 0;
        close_device(device);
        return;
    }
}
