// The toolkit's root window on a headless screen, opened and closed around a benchmark.
#pragma once

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "public/tessaramond.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace benchroot {

inline void open_root(int bits = 24) {
    plat::use_headless_backend({1024, 768}, bits);
    WInitialise(" ");
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu;
    d.Left = d.Top = 10;
    d.Width = 800;
    d.Height = 600;
    d.Title = "Bench";
    WindowOpen(d);
}

inline void close_root() {
    WindowClose();
    plat::reset_queue();
    plat::reset_input();
}

} // namespace benchroot
