// The program the guide (docs/guide.md) walks through: a root window with a menu, a greeting
// drawn as text, a dialog that asks for a name, and a file selection.
#include "guide.h"

#include <string>

#include "guide_ids.h"

namespace guide {

void open_guide_window() {
    WInitialise(" "); // no configuration file of our own
    tess::WindowDescription root;
    root.Flags = tess::WinFlagSystemMenu | tess::WinFlagMinimiseBox | tess::WinFlagStatusBar;
    root.Width = 480; // client size in pixels
    root.Height = 240;
    root.MenuId = IDM_GUIDE; // the menu of the program's resources
    root.Title = "Tessaramond guide";
    WindowOpen(root);
}

void draw(const GuideState& state) {
    WindowClear();
    FontDescription font;
    font.Typeface = 1;
    font.CharHeight = 1100; // window units: 0 to 9999 down the client area
    font.Bold = 1;
    font.Foreground = tess::ColourDarkBlue;
    font.Background = tess::ColourWhite;
    WindowFont(font);
    WindowOutString(400, 2500, state.greeting);

    font.CharHeight = 800;
    font.Bold = 0;
    font.Foreground = tess::ColourBlack;
    WindowFont(font);
    WindowOutString(400, 5000, state.file);
}

bool ask_name(GuideState& state) {
    WDialogLoad(IDD_NAME);
    WDialogShow(-1, -1, IDF_NAME, 1);      // centred, focus on the name, modal
    if (tess::tessar04().exitField != 1) { // ended by Cancel or the close box
        WDialogUnload();
        return false;
    }
    FixedString<30> name;
    WDialogGetString(IDF_NAME, name);
    int choice = 0;
    WDialogGetRadioButton(IDF_HELLO, choice); // 1 Hello, 2 Welcome, -999 none checked
    WDialogUnload();
    state.greeting = (choice == 2 ? "Welcome, " : "Hello, ") + name.str() + "!";
    return true;
}

bool choose_file(GuideState& state) {
    FixedString<260> fileName; // blank: start in the current directory
    WSelectFile("Text files (*.txt)|*.txt|All files|*.*|", 0, fileName, "Open a file");
    if (tess::tessar04().commonResult != 1) return false; // cancelled
    state.file = fileName.str();
    return true;
}

bool handle_event(int type, const tess::EventRecord& event, GuideState& state) {
    switch (type) {
    case tess::EventRedraw:
        draw(state);
        break;
    case tess::EventMenu:
        if (event.Value1 == CMD_NAME && ask_name(state)) draw(state);
        if (event.Value1 == CMD_OPEN && choose_file(state)) draw(state);
        if (event.Value1 == CMD_EXIT) return false;
        break;
    case tess::EventCloseRequest:
        return false;
    }
    return true;
}

} // namespace guide
