// The graphics example: a root window and a child with lines, fills and text. The picture is
// drawn again whenever the child is to be redrawn (each time noted on standard output); the key
// I inverts it between events, an exclusive-or fill in white.
#include <cstdio>

#include "graphics/graphics_picture.h"
#include "public/tessaramond.h"

void MainProgram() {
    WInitialise(" ");
    graphics_example::open_root_window();
    const int picture = graphics_example::open_picture_window();
    for (;;) {
        int type = 0;
        tess::EventRecord e;
        WMessage(type, e);
        if (type == tess::EventCloseRequest) {
            if (e.Win == 0) break;
            WindowCloseChild(e.Win);
        } else if (type == tess::EventRedraw && e.Win == picture) {
            WindowSelect(picture);
            graphics_example::draw_picture();
            std::printf("Neu gezeichnet\n");
            std::fflush(stdout);
        } else if (type == tess::EventKey && (e.Value1 == 'i' || e.Value1 == 'I')) {
            WindowSelect(picture);
            graphics_example::invert_picture();
        }
    }
    WindowClose();
}
