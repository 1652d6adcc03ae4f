#include "result_window.h"

#include "general.h"
#include "result_table.h"

namespace formaldrix {

namespace {

// Inside the root's client area, from 65 % to 95 % of its width and 1 % to 51 % of its height.
tess::WindowDescription result_window_description() {
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu | tess::WinFlagInsideRoot;
    d.Left = 6500;
    d.Top = 100;
    d.Width = 3000;
    d.Height = 5000;
    d.MenuId = 0;
    d.Title = "Ergebnis";
    return d;
}

// The fixed-pitch typeface at the size and colours current when the window opened; its
// character height is the line spacing from then on.
void take_text_layout() {
    tess::FontDescription& f = general.resultFont;
    f.Typeface = 4;
    f.CharWidth = WInfoFont(9);
    f.CharHeight = WInfoFont(10);
    f.Bold = f.Italic = f.Underline = 0;
    f.Foreground = WInfoFont(6);
    f.Background = WInfoFont(7);
    general.resultLineSpacing = f.CharHeight;
}

bool opened() {
    tess::WindowDescription d = result_window_description();
    WindowOpenChild(d, general.resultWindow);
    if (general.resultWindow == -1) {
        WMessageBox(0, 3, 1,
                    "Das Ergebnisfenster konnte nicht ge\xF6"
                    "ffnet werden.",
                    "Fehler");
        return false;
    }
    WMenuSetState(CmdSave, MenuEnabledState, 1);
    take_text_layout();
    return true;
}

void draw_table() {
    WindowFont(general.resultFont);
    const auto lines = result_table(general.xs, general.ys);
    int y = 600;
    for (const std::string& line : lines) {
        const FixedString<TableLineLength> buffer(line);
        WindowOutString(300, y, buffer);
        y += general.resultLineSpacing;
    }
}

void close_result_window() {
    WindowCloseChild(general.resultWindow);
    general.resultWindow = -1;
    WMenuSetState(CmdSave, MenuEnabledState, 0);
}

} // namespace

void zeigergebnis(const int& mode) {
    if (general.resultWindow == -1) {
        if (!opened()) return;
    } else {
        WindowSelect(general.resultWindow);
        WindowClear();
    }
    draw_table();
    if (mode == 0) return;

    // Every event has had its redraw above; these also close the window.
    const tess::EventRecord& e = general.event;
    const bool dialogCommand = general.eventType == tess::EventDialogCommand;
    if ((dialogCommand && (e.Value1 == 2 || e.Value1 == 8)) ||
        general.eventType == tess::EventCloseRequest) {
        close_result_window();
    } else if (dialogCommand) {
        WindowBell(" ");
    }
}

} // namespace formaldrix
