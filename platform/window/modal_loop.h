// The one modal message loop: menu tracking, moving and sizing, dialog boxes, message boxes, the
// file dialogs and the toolkit's modal waits all run in it, so they agree on WM_QUIT, idle
// messages and the owner's state.
#pragma once

#include <functional>

#include <windows.h>

namespace plat {

struct ModalLoop {
    // Hears WM_ENTERIDLE; its destruction ends the loop. May be null.
    HWND owner = nullptr;
    // Disabled while the loop runs and enabled again after (unless it was disabled already).
    bool disableOwner = false;
    // The modal window itself (a dialog, a message box); its destruction ends the loop.
    HWND window = nullptr;
    // WM_ENTERIDLE's wParam (MSGF_DIALOGBOX, MSGF_MENU), sent to the owner each time the queue
    // runs empty; negative sends none.
    int idleCode = -1;
    // WM_ENTERIDLE's lParam: the window shown at that moment (the open pop-up menu); the modal
    // window when not given.
    std::function<HWND()> idleWindow;
    // Each message taken, before translation: true when the caller consumed it (menu keys, the
    // drag's pointer moves, IsDialogMessageA), and then it is neither translated nor dispatched.
    std::function<bool(MSG&)> filter;
    // Asked before each message: true ends the loop (EndDialog, a chosen item, the timer ran).
    std::function<bool()> done;
    // The queue is empty, before WM_ENTERIDLE and before waiting.
    std::function<void()> idle;
};

enum class ModalEnd { Done, OwnerDestroyed, WindowDestroyed, Quit };

// Runs until `done` holds, the owner or the modal window is destroyed, or WM_QUIT arrives; WM_QUIT
// is posted again so the outer loop ends too.
ModalEnd run_modal_loop(const ModalLoop& loop);

// How many modal loops run now, nested ones counted: 0 while only the program's own loop runs.
int modal_loop_depth();

} // namespace plat
