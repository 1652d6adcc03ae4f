/// \file
/// WMenuSetState: enabling and checking items of the root menu.
#pragma once

namespace tess {
constexpr int ErrorMenuItem = 1001; ///< WMenuSetState: the item was not changed
constexpr int MenuEnabledState = 1; ///< WMenuSetState item code of enabling
constexpr int MenuCheckedState = 2; ///< WMenuSetState item code of the check mark
} // namespace tess

/// MenuEnabledState (state 0 greys, 1 enables) or MenuCheckedState (0 clears, 1 sets the mark)
/// of a root-menu item or identified pop-up; error 1001 when there is none. Other codes are
/// ignored.
void WMenuSetState(const int& identifier, const int& item, const int& state);
