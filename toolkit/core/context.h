// The toolkit context: every piece of state the toolkit keeps, in one object reached through
// tk(). reset() returns the window session to its start; what WInitialise established (the
// settings, the display, the error record, the bell and the directory separator) stays.
#pragma once

#include "core/dialog_state.h"
#include "core/media.h"
#include "core/menu_state.h"
#include "core/settings.h"
#include "core/textout_state.h"
#include "core/wmessage_state.h"
#include "core/wwindow.h"
#include "graphics/graphics_state.h"
#include "util/error_record.h"
#include "util/shared_records.h"

namespace tess {

struct Toolkit {
    // The window session: from WindowOpen to WindowClose.
    CoreWindows core;
    CoreEvents events;
    CoreText text;
    CoreMenus menus;
    CoreDialogs dialogs;
    int waitTimer = 0; // 1 while xxwait_ waits for its timer
    Tessar01 tessar01;
    Tessar02 tessar02;
    Tessar03 tessar03;
    Tessar04 tessar04;
    Graphics graphics;
    // Established at start-up.
    Tessar05 tessar05;
    ToolkitSettings settings;
    DisplayInfo display;
    ErrorRecord errors;
    int bell = 1; // whether the bell sounds
    MediaCloser closeMedia = nullptr;
    GraphicsProcess graphicsProcess;

    // Forgets the window session without touching the platform: callers destroy windows and
    // release handles first.
    void reset();
};

Toolkit& tk();

} // namespace tess
