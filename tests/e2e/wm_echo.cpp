// A toolkit program for the window-manager tests: a root window "Wm echo" and a free-standing
// child "Wm child", both sizable with minimise and maximise boxes and without menu bars, so an X
// window's size is its client size. Every key and resize event is written to stdout as
// "key <window> <value>" and "resize <window> <width> <height>"; the root's close request ends
// the program.
#include <cstdio>

#include "public/tessaramond.h"

void MainProgram() {
    WInitialise(" ");
    constexpr int flags =
        tess::WinFlagSystemMenu | tess::WinFlagMinimiseBox | tess::WinFlagMaximiseBox;
    tess::WindowDescription root;
    root.Flags = flags;
    root.Left = 40;
    root.Top = 40;
    root.Width = 360;
    root.Height = 240;
    root.Title = "Wm echo";
    WindowOpen(root, 0);
    tess::WindowDescription child;
    child.Flags = flags;
    child.Left = 560;
    child.Top = 320;
    child.Width = 300;
    child.Height = 200;
    child.Title = "Wm child";
    int number = -1;
    WindowOpenChild(child, number);
    int type = 0;
    tess::EventRecord e;
    for (;;) {
        WMessage(type, e);
        if (type == tess::EventCloseRequest && e.Win == 0) break;
        if (type == tess::EventKey)
            std::printf("key %d %d\n", e.Win, e.Value1);
        else if (type == tess::EventResize)
            std::printf("resize %d %d %d\n", e.Win, e.Value1, e.Value2);
        std::fflush(stdout);
    }
    WindowClose();
}
