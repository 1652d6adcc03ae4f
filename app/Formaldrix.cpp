// Formaldrix: start-up and the command loop. Every event goes to the routine that owns it.
#include "commands.h"
#include "formula_dialog.h"
#include "general.h"
#include "result_window.h"

using namespace formaldrix;

namespace {

void start_up() {
    WInitialise(" ");
    tess::WindowDescription& d = general.root;
    d.Flags = tess::WinFlagSystemMenu | tess::WinFlagMinimiseBox | tess::WinFlagMaximiseBox;
    d.Left = -1;
    d.Top = -1;
    d.Width = 0;
    d.Height = 0;
    d.MenuId = MainMenu;
    d.Title = "Formaldrix - Pellarin GmbH, Altbruck";
    WindowOpen(d, 0);
    WMenuSetState(CmdSave, MenuEnabledState, 0); // nothing to save before there is a result
}

// Returns false when the program is to end.
bool on_menu(int command) {
    switch (command) {
    case CmdLoad:
        load_command();
        return true;
    case CmdFormula: // modeless: its events come back through this loop
        WDialogLoad(FormulaDialog);
        WDialogShow(100, 100, 0, 2);
        return true;
    case CmdInfo: // modal: returns when the user has closed it
        WDialogLoad(InfoDialog);
        WDialogShow(150, 150, 0, 1);
        return true;
    case CmdSave:
        save_command();
        return true;
    case CmdEnd:
        return false;
    default:
        return true;
    }
}

bool dispatch(int type, const tess::EventRecord& e) {
    if (general.resultWindow > 0 && e.Win == general.resultWindow) {
        zeigergebnis(1);
        return true;
    }
    if (e.Win == FormulaDialog) {
        berechnungformel();
        return true;
    }
    switch (type) {
    case tess::EventMenu:
        return on_menu(e.Value1);
    case tess::EventCloseRequest:
        if (e.Win == 0) return false;
        WindowCloseChild(e.Win);
        return true;
    default:
        return true;
    }
}

} // namespace

void MainProgram() {
    start_up();
    do {
        WMessage(general.eventType, general.event);
    } while (dispatch(general.eventType, general.event));
    WindowClose();
}
