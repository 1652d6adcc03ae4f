/// \file
/// Opening, selecting and closing the root window and the child windows.
#pragma once

#include "util/text_arg.h"

namespace tess {

/// Bits of WindowDescription::Flags.
enum WindowFlag : int {
    WinFlagSystemMenu = 1,    ///< system menu and close box
    WinFlagMinimiseBox = 2,   ///< minimise box
    WinFlagMaximiseBox = 4,   ///< maximise box
    WinFlagMaximised = 8,     ///< shown maximised
    WinFlagInsideRoot = 16,   ///< child inside the root window, placed in its window units
    WinFlagStatusBar = 32,    ///< a status bar below the client area
    WinFlagFixedSize = 64,    ///< no sizing border
    WinFlagHidden = 128,      ///< root created hidden
    WinFlagOwnedByRoot = 256, ///< free-standing child owned by the root
    WinFlagTopmost = 512      ///< above all other windows
};

/// What WindowOpen and WindowOpenChild create.
struct WindowDescription {
    int Flags = 0; ///< WindowFlag bits
    /// Position: screen pixels, or window units of the root for a child inside it; negative:
    /// centred.
    ///@{
    int Left = -1, Top = -1;
    ///@}
    /// Client size: pixels, or window units of the root for a child inside it; 0 or negative:
    /// 80 % of the screen (8000 units inside the root).
    ///@{
    int Width = 0, Height = 0;
    ///@}
    int MenuId = 0;        ///< root only
    FixedString<80> Title; ///< the caption; trailing blanks dropped
};

} // namespace tess

/// Opens the root window (window 0) with the menu and accelerators of window.MenuId and makes it
/// current; the text state and the graphics state start afresh. A second call while the root is
/// open does nothing. \p window's Width and Height receive nothing; the actual client size is
/// what the window routines then use.
void WindowOpen(tess::WindowDescription& window);
/// WindowOpen with a graphics colour count: 16, 32, 64 or 128 (others mean 16).
void WindowOpen(tess::WindowDescription& window, const int& colours);
/// Opens a child window in the lowest free slot 1..20 and makes it current; \p number receives
/// its number, or -1 when no slot is free or it could not be created. Error 1016 when a child
/// inside the root is asked for while the root is hidden.
void WindowOpenChild(tess::WindowDescription& window, int& number);
/// Makes window \p number (0 the root, 1..20 a child) current for text and graphics output;
/// the text cursor goes to (0, 0). Error 1003 for a number that names no open window.
void WindowSelect(const int& number);
/// Closes child window \p number (1..20); when it was current, the root becomes current.
/// Error 1003 for a number that names no open child.
void WindowCloseChild(const int& number);
/// Closes every dialog and window, the root last, and resets the window state; WindowOpen may
/// follow.
void WindowClose();
