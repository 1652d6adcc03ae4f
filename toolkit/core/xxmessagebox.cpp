// xxmwinmessagebox_: an error box owned by the current window.
#include <windows.h>

#include "core/context.h"
#include "graphics/oswin.h"

void xxmwinmessagebox_(const char* caption, const char* text) {
    MessageBoxA(tess::current_window().frame, text ? text : "", caption ? caption : "",
                MB_OK | MB_ICONERROR);
}
