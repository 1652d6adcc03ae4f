#include "core/context.h"

namespace tess {

Toolkit& tk() {
    static Toolkit context;
    return context;
}

Graphics& graphics() {
    return tk().graphics;
}

GraphicsProcess& graphics_process() {
    return tk().graphicsProcess;
}

ErrorRecord& error_record() {
    return tk().errors;
}

void Toolkit::reset() {
    core = CoreWindows{};
    events = CoreEvents{};
    text = CoreText{};
    menus = CoreMenus{};
    dialogs = CoreDialogs{};
    waitTimer = 0;
    const Tessar01 start = tessar01;
    tessar01 = Tessar01{};
    tessar01.screenWidth = start.screenWidth;
    tessar01.screenHeight = start.screenHeight;
    tessar01.screenColours = start.screenColours;
    tessar02 = Tessar02{};
    tessar03 = Tessar03{};
    tessar04 = Tessar04{};
    graphics = Graphics{};
}

WindowRecord& window(int n) {
    if (valid_window_number(n)) return tk().core.slots[static_cast<std::size_t>(n)];
    static WindowRecord none;
    none = WindowRecord{};
    return none;
}

WindowRecord& current_window() {
    return window(tk().core.wIndex);
}

int height_of(HWND hwnd) {
    RECT r{};
    if (hwnd) GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

void client_size(int n, int& width, int& height) {
    RECT r{};
    const HWND client = window(n).client;
    if (client) GetClientRect(client, &r);
    width = r.right;
    height = r.bottom;
}

} // namespace tess
