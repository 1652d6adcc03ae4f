// Creating a dialog window from a template's bytes; the modeless and modal entry points share it.
#pragma once

#include <cstddef>
#include <span>

#include <windows.h>

namespace plat {

// The dialog window, its controls and its WM_INITDIALOG; null when the template is malformed,
// a control could not be made (without DS_NOFAILCREATE) or the dialog went during creation.
HWND create_dialog(HINSTANCE instance, std::span<const std::byte> bytes, HWND owner, DLGPROC proc,
                   LPARAM param, bool modal);

// The bytes a template handed over by pointer may occupy: to the end of the resource it lies
// in, or a fixed limit for one built in memory by the program.
std::span<const std::byte> loose_template(HINSTANCE instance, const void* start);

} // namespace plat
