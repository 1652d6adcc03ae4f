// A toolkit program for the end-to-end tests: a root window whose text is written between
// events through the toolkit's own context, never in answer to a repaint. The key 'a' writes a
// line at (1000, 2000) window units; 'b' clears the window and writes a line at (1000, 6000).
// The close box ends it.
#include "public/tessaramond.h"

void MainProgram() {
    WInitialise(" ");
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu;
    d.Title = "Text echo";
    WindowOpen(d, 0);
    int type = 0;
    tess::EventRecord e;
    for (;;) {
        WMessage(type, e);
        if (type == tess::EventCloseRequest) break;
        if (type != tess::EventKey) continue;
        if (e.Value1 == 'a') {
            WindowOutString(1000, 2000, "WWWWWWWWWWWWWWWWWWWW");
        } else if (e.Value1 == 'b') {
            WindowClear();
            WindowOutString(1000, 6000, "WWWWWWWWWWWWWWWWWWWW");
        }
    }
    WindowClose();
}
