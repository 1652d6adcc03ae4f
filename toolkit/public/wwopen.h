// Opening, selecting and closing the root window and the child windows.
#pragma once

#include "util/text_arg.h"

namespace tess {

enum WindowFlag : int {
    WinFlagSystemMenu = 1,
    WinFlagMinimiseBox = 2,
    WinFlagMaximiseBox = 4,
    WinFlagMaximised = 8,
    WinFlagInsideRoot = 16,
    WinFlagStatusBar = 32,
    WinFlagFixedSize = 64,
    WinFlagHidden = 128,
    WinFlagOwnedByRoot = 256,
    WinFlagTopmost = 512
};

struct WindowDescription {
    int Flags = 0;
    int Left = -1, Top = -1;   // negative: centred
    int Width = 0, Height = 0; // client size; 0 or negative: the default
    int MenuId = 0;            // root only
    FixedString<80> Title;
};

} // namespace tess

void WindowOpen(tess::WindowDescription& window);
void WindowOpen(tess::WindowDescription& window, const int& colours);
void WindowOpenChild(tess::WindowDescription& window, int& number);
void WindowSelect(const int& number);
void WindowCloseChild(const int& number);
void WindowClose();
