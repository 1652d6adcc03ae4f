#include "scene.h"

#include <cstring>

#include "menu/menu_tracker.h"
#include "window/modal_loop.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace monkey {

namespace {

constexpr char FormulaTitle[] = "Formel - Berechnung";
constexpr char InfoTitle[] = "Info";
constexpr char OpenTitle[] = "Lade Ergebnisse aus Datei";
constexpr char SaveTitle[] = "Speicher Ergebnis in Datei";

std::string text_of(HWND w) {
    char text[300] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

bool class_is(HWND w, const char* name) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    return std::strcmp(cls, name) == 0;
}

void set(Scene& s, State st, HWND w) {
    HWND& slot = s.shown[static_cast<std::size_t>(st)];
    if (!slot) slot = w; // the topmost of its kind
}

// A top-level dialog: the file dialogs have their list, the information dialog its title;
// every other one is a message box (those of the file dialogs share their titles).
void classify_dialog(Scene& s, HWND w) {
    const std::string title = text_of(w);
    if (GetDlgItem(w, lst1) && (title == OpenTitle || title == SaveTitle)) {
        set(s, title == OpenTitle ? State::OpenDialog : State::SaveDialog, w);
        if (s.fileDialogDirectory.empty()) s.fileDialogDirectory = text_of(GetDlgItem(w, stc1));
    } else if (title == InfoTitle) {
        set(s, State::InfoDialog, w);
    } else {
        set(s, State::MessageBox, w);
    }
}

} // namespace

std::string_view state_name(State s) {
    constexpr std::string_view names[] = {"menu",        "formula dialog 101", "info dialog 102",
                                          "message box", "open dialog",        "save dialog"};
    static_assert(std::size(names) == StateCount);
    return names[static_cast<std::size_t>(s) % StateCount];
}

Scene look(HWND frame) {
    Scene s;
    s.frame = IsWindow(frame) ? frame : nullptr;
    s.modalDepth = plat::modal_loop_depth();
    for (HWND top : plat::top_level_order()) {
        if (!IsWindowVisible(top) || top == s.frame) continue;
        s.tops.push_back(top);
        if (class_is(top, "#32768"))
            set(s, State::Menu, top);
        else if (class_is(top, "#32770"))
            classify_dialog(s, top);
    }
    if (s.frame) {
        s.tops.push_back(s.frame);
        if (plat::menu_bar_highlight(s.frame) >= 0) set(s, State::Menu, s.frame);
        // The formula dialog is a child of the root's client area.
        plat::for_each_window([&](HWND w, const plat::Window&) {
            if (IsWindowVisible(w) && (GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD) &&
                class_is(w, "#32770") && text_of(w) == FormulaTitle)
                set(s, State::FormulaDialog, w);
        });
    }
    return s;
}

void Reached::see(const Scene& scene) {
    for (std::size_t i = 0; i < StateCount; ++i) {
        const bool now = scene.shown[i] != nullptr;
        if (now && !before_[i]) ++counts_[i];
        before_[i] = now;
    }
}

} // namespace monkey
