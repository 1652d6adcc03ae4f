// Item states by identifier: WMenuSetState and the core's grey, check and query operations.
#include "dialogs/wmenu.h"

#include <windows.h>

#include <commctrl.h>

#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu_internal.h"
#include "util/error_record.h"

using namespace tess;
using namespace tess::menu;

namespace {

bool toolbar_has(int identifier) {
    const HWND tb = tk().menus.hWndToolbar;
    return IsWindow(tb) &&
           SendMessageA(tb, TB_COMMANDTOINDEX, static_cast<WPARAM>(identifier), 0) >= 0;
}

// A button with the identifier takes the state too, and then counts as found.
void set_button(int identifier, UINT message, bool on, int& state) {
    if (!toolbar_has(identifier)) return;
    SendMessageA(tk().menus.hWndToolbar, message, static_cast<WPARAM>(identifier),
                 MAKELPARAM(on, 0));
    UpdateWindow(tk().menus.hWndToolbar);
    state = 1;
}

bool on_menu_bar(int identifier) {
    const HMENU bar = tk().menus.rootMenu;
    const int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i)
        if (!GetSubMenu(bar, i) && GetMenuItemID(bar, i) == static_cast<UINT>(identifier))
            return true;
    return yymnhpos(identifier) >= 0 && tk().menus.lookupMenu == bar;
}

} // namespace

void yyredrawmenu(int identifier) {
    const HWND root = root_frame();
    if (!tk().menus.rootMenu || !IsWindow(root) || !on_menu_bar(identifier)) return;
    UpdateWindow(root);
    DrawMenuBar(root);
}

void yymngrey_(const int& identifier, int& state) {
    const bool enable = state != 0;
    const UINT flag = enable ? MF_ENABLED : MF_GRAYED;
    const auto at = address_of(identifier);
    if (at && EnableMenuItem(at->menu, at->item, at->by | flag) != NotFound)
        yyredrawmenu(identifier);
    else
        state = -1;
    set_button(identifier, TB_ENABLEBUTTON, enable, state);
}

void yymnchck_(const int& identifier, int& state) {
    const bool check = state != 0;
    const UINT flag = check ? MF_CHECKED : MF_UNCHECKED;
    const auto at = address_of(identifier);
    if (!at || CheckMenuItem(at->menu, at->item, at->by | flag) == NotFound) state = -1;
    set_button(identifier, TB_CHECKBUTTON, check, state);
}

void yymngflg_(const int& identifier, const int& what, int& value) {
    const auto at = address_of(identifier);
    const UINT flags = at ? GetMenuState(at->menu, at->item, at->by) : NotFound;
    if (flags == NotFound) value = -1;
    if (value != -1) {
        if (what == MenuEnabledState) value = (flags & (MF_GRAYED | MF_DISABLED)) ? 0 : 1;
        if (what == MenuCheckedState) value = (flags & MF_CHECKED) ? 1 : 0;
    }
    if (value == -1 && toolbar_has(identifier)) {
        const UINT query = what == MenuEnabledState ? TB_ISBUTTONENABLED : TB_ISBUTTONCHECKED;
        value =
            SendMessageA(tk().menus.hWndToolbar, query, static_cast<WPARAM>(identifier), 0) ? 1 : 0;
    }
}

void WMenuSetState(const int& identifier, const int& item, const int& state) {
    if ((item != MenuEnabledState && item != MenuCheckedState) || (state != 0 && state != 1))
        return;
    int result = state;
    if (item == MenuEnabledState)
        yymngrey_(identifier, result);
    else
        yymnchck_(identifier, result);
    if (result == -1) xxerror_(ErrorMenuItem);
}
