// The layer's side of the backends' input: records for the hardware queue and activation that
// follows the native focus.
#include "backend/backend.h"
#include "window/input.h"
#include "window/window_internal.h"

namespace plat {
namespace {

class LayerSink : public InputSink {
public:
    void key(int vk, char character, bool pressed, LPARAM scanBits) override {
        inject_key(vk, character, pressed, scanBits);
    }
    void pointer(POINT screen, int button, bool pressed) override {
        inject_mouse(screen, button, pressed);
    }
    void wheel(POINT screen, int delta) override { inject_wheel(screen, delta); }
    void lock_key(int vk, bool on) override { set_key_toggled(vk, on); }

    void focus_in(HWND surface) override {
        // A frame disabled by its modal dialog hands activation to that dialog.
        HWND target = surface;
        if (!IsWindowEnabled(surface))
            for (HWND top : top_level_order())
                if (GetWindow(top, GW_OWNER) == surface && IsWindowVisible(top) &&
                    IsWindowEnabled(top)) {
                    target = top;
                    break;
                }
        if (GetActiveWindow() != target && IsWindowEnabled(target)) SetActiveWindow(target);
    }
    void focus_lost() override { deactivate_application(); }
};

InputSink*& installed() {
    static InputSink* sink = nullptr;
    return sink;
}

} // namespace

InputSink& input_sink() {
    static LayerSink layer;
    return installed() ? *installed() : layer;
}

void set_input_sink(InputSink* sink) {
    installed() = sink;
}

} // namespace plat
