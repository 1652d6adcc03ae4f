// The status line's words for what a control tells its parent.
#pragma once

#include <string>

#include <windows.h>

namespace controls_example {

// "<notification> <control id> <detail>" for a control's WM_COMMAND, WM_NOTIFY, WM_HSCROLL or
// WM_VSCROLL to the frame, where the detail is the control's state after it (check state,
// selection, position, text); empty for any other message.
std::string notification_text(UINT message, WPARAM wParam, LPARAM lParam);

} // namespace controls_example
