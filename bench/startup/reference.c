/* The yardstick for the start-up benchmark: what a program written straight on Xlib and Xft
 * does to show the same first frame as the demo. One window of the demo's client size, on the
 * first Expose a 20-pixel strip and 12 lines of text, XSync, exit. */
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <string.h>

int main(void) {
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "reference: cannot open the display\n");
        return 1;
    }
    const int screen = DefaultScreen(dpy);
    /* The demo's client area: 80 % of the screen (819 by 614 on 1024 by 768). */
    const unsigned w = (unsigned)DisplayWidth(dpy, screen) * 8 / 10;
    const unsigned h = (unsigned)DisplayHeight(dpy, screen) * 8 / 10;
    Window win = XCreateSimpleWindow(dpy, RootWindow(dpy, screen), 102, 77, w, h, 0,
                                     BlackPixel(dpy, screen), WhitePixel(dpy, screen));
    XStoreName(dpy, win, "Reference");
    XSelectInput(dpy, win, ExposureMask);
    XftFont* font = XftFontOpenName(dpy, screen, "Liberation Sans-9");
    XftDraw* draw =
        XftDrawCreate(dpy, win, DefaultVisual(dpy, screen), DefaultColormap(dpy, screen));
    XftColor black;
    XftColorAllocName(dpy, DefaultVisual(dpy, screen), DefaultColormap(dpy, screen), "black",
                      &black);
    XMapWindow(dpy, win);
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type != Expose) continue;
        GC gc = DefaultGC(dpy, screen);
        XSetForeground(dpy, gc, 0xF0F0F0);
        XFillRectangle(dpy, win, gc, 0, 0, w, 20);
        for (int i = 0; i < 12; ++i) {
            char line[64];
            snprintf(line, sizeof line, "Zeile %2d: y(x) = a sin(jx/(m pi)) + s b cos(jx/(m pi))",
                     i + 1);
            XftDrawStringUtf8(draw, &black, font, 8, 40 + 16 * i, (const FcChar8*)line,
                              (int)strlen(line));
        }
        XSync(dpy, False);
        return 0;
    }
}
