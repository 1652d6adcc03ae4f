/* Two latencies of the demo a user feels, on the X server it runs on: from the synthetic input
 * (XTest) to the pixels read back from the server (XGetImage, polled).
 *   - "formula dialog": Enter on "Formel" in the open Berechnung menu, until the whole dialog
 *     is on the screen;
 *   - "result table": Enter for OK in the dialog, until the whole result window with its table
 *     is on the screen.
 * Between runs the result window is closed by its close box and the dialog by Escape. Two
 * warm-up runs take the finished pictures the measured runs wait for (the caret may blink, so a
 * few pixels may differ). Reports the median, minimum and maximum of each, and the time one
 * poll takes.
 *   latency RUNS PROGRAM [ARGS...]   (DISPLAY names the server; the program is started here)
 * Exit status 0 when every run finished, 1 when one timed out or the program went. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define TITLE "Formaldrix - Pellarin GmbH, Altbruck"
#define MENU_BAR 19
#define CARET_PIXELS 60 /* a blinking caret: at most this many pixels differ */
#define TIMEOUT_MS 3000.0
#define MAX_RUNS 200

typedef struct {
    int x, y, w, h; /* screen pixels */
} Rect;

typedef struct {
    Rect r;
    uint32_t* px; /* r.w * r.h, 0x00RRGGBB */
} Shot;

static Display* dpy;
static Window root;
static pid_t demo;

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static void pause_ms(int ms) {
    struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

static void fail(const char* what) {
    fprintf(stderr, "latency: %s\n", what);
    if (demo > 0) kill(demo, SIGTERM);
    exit(1);
}

/* The pixels of `r` as the server has them. */
static void grab(Shot* s, Rect r) {
    XImage* im = XGetImage(dpy, root, r.x, r.y, (unsigned)r.w, (unsigned)r.h, AllPlanes, ZPixmap);
    if (!im) fail("XGetImage failed");
    if (!s->px || s->r.w * s->r.h != r.w * r.h)
        s->px = realloc(s->px, sizeof *s->px * (size_t)r.w * (size_t)r.h);
    if (!s->px) fail("out of memory");
    s->r = r;
    const int direct = im->bits_per_pixel == 32 && im->byte_order == LSBFirst;
    for (int y = 0; y < r.h; ++y) {
        const uint32_t* row = (const uint32_t*)(im->data + (size_t)y * (size_t)im->bytes_per_line);
        for (int x = 0; x < r.w; ++x)
            s->px[y * r.w + x] = (direct ? row[x] : (uint32_t)XGetPixel(im, x, y)) & 0xFFFFFFu;
    }
    XDestroyImage(im);
}

static uint32_t at(const Shot* s, int x, int y) {
    return s->px[(y - s->r.y) * s->r.w + (x - s->r.x)];
}

/* The part `r` of a shot that covers it. */
static Shot crop(const Shot* s, Rect r) {
    Shot c = {r, malloc(sizeof *c.px * (size_t)r.w * (size_t)r.h)};
    if (!c.px) fail("out of memory");
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            c.px[(y - r.y) * r.w + (x - r.x)] = at(s, x, y);
    return c;
}

/* Pixels of `a` that differ from `b` inside `r` (both must cover it). */
static int differing(const Shot* a, const Shot* b, Rect r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            n += at(a, x, y) != at(b, x, y);
    return n;
}

/* The bounding box of the pixels that differ between two shots of `area`. */
static Rect changed(const Shot* a, const Shot* b, Rect area) {
    int l = area.x + area.w, t = area.y + area.h, r = area.x - 1, btm = area.y - 1;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            if (at(a, x, y) != at(b, x, y)) {
                if (x < l) l = x;
                if (x > r) r = x;
                if (y < t) t = y;
                if (y > btm) btm = y;
            }
    if (r < l) fail("nothing changed on the screen");
    return (Rect){l, t, r - l + 1, btm - t + 1};
}

/* The bounding box of the pixels of `colour` in the top `rows` rows of `area`. */
static Rect colour_box(const Shot* s, Rect area, int rows, uint32_t colour) {
    int l = area.x + area.w, t = area.y + area.h, r = area.x - 1, btm = area.y - 1;
    for (int y = area.y; y < area.y + rows && y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            if (at(s, x, y) == colour) {
                if (x < l) l = x;
                if (x > r) r = x;
                if (y < t) t = y;
                if (y > btm) btm = y;
            }
    if (r < l) fail("no caption found");
    return (Rect){l, t, r - l + 1, btm - t + 1};
}

/* Polls `r` until it shows `want` (to the caret's few pixels); the time it did, or -1. */
static double wait_for(const Shot* want, Rect r, double since) {
    Shot s = {0};
    double t = 0;
    for (;;) {
        grab(&s, r);
        t = now_ms();
        if (differing(&s, want, r) <= CARET_PIXELS) break;
        if (t - since > TIMEOUT_MS) {
            t = -1;
            break;
        }
    }
    free(s.px);
    return t < 0 ? -1 : t - since;
}

static void key(KeySym sym, Bool down) {
    XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, sym), down, CurrentTime);
}
static void tap(KeySym sym) {
    key(sym, True);
    key(sym, False);
    XFlush(dpy);
}
static void alt(KeySym sym) {
    key(XK_Alt_L, True);
    tap(sym);
    key(XK_Alt_L, False);
    XFlush(dpy);
}
static void click(int x, int y) {
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
}

/* The demo's top-level window once it is on the screen. */
static Window find_frame(void) {
    for (double start = now_ms(); now_ms() - start < 10000; pause_ms(20)) {
        Window r, parent, *kids = NULL;
        unsigned n = 0;
        if (!XQueryTree(dpy, root, &r, &parent, &kids, &n)) continue;
        Window found = 0;
        for (unsigned i = 0; i < n && !found; ++i) {
            char* name = NULL;
            XWindowAttributes a;
            if (XFetchName(dpy, kids[i], &name) && name && strcmp(name, TITLE) == 0 &&
                XGetWindowAttributes(dpy, kids[i], &a) && a.map_state == IsViewable)
                found = kids[i];
            if (name) XFree(name);
        }
        if (kids) XFree(kids);
        if (found) return found;
    }
    fail("the demo's window did not appear");
    return 0;
}

static int by_value(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static void report(const char* name, double* v, int n) {
    qsort(v, (size_t)n, sizeof *v, by_value);
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    printf("%-15s median %6.2f ms   min %6.2f ms   max %6.2f ms   (%d runs)\n", name, median, v[0],
           v[n - 1], n);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: latency RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = atoi(argv[1]);
    if (runs < 1 || runs > MAX_RUNS) {
        fprintf(stderr, "latency: RUNS must be 1..%d\n", MAX_RUNS);
        return 2;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) fail("cannot open the display");
    int ev, er, major, minor;
    if (!XTestQueryExtension(dpy, &ev, &er, &major, &minor)) fail("the server has no XTest");
    root = DefaultRootWindow(dpy);

    demo = fork();
    if (demo < 0) fail("fork failed");
    if (demo == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    const Window frame = find_frame();
    XWindowAttributes fa;
    Window child;
    int fx, fy;
    XGetWindowAttributes(dpy, frame, &fa);
    XTranslateCoordinates(dpy, frame, root, 0, 0, &fx, &fy, &child);
    const Rect client = {fx, fy + MENU_BAR, fa.width, fa.height - MENU_BAR};
    XSetInputFocus(dpy, frame, RevertToParent, CurrentTime);
    XSync(dpy, False);
    pause_ms(300);

    Shot blank = {0}, dialogShot = {0}, tableShot = {0}, s = {0};
    grab(&blank, client);
    Rect dialog = {0}, result = {0}, fieldClick = {0}, closeBox = {0};
    double dialogMs[MAX_RUNS], tableMs[MAX_RUNS], pollMs[MAX_RUNS];
    const uint32_t caption = 0x000080;

    for (int i = -2; i < runs; ++i) {
        const int warm = i < 0;
        /* Berechnung, Formel ("Sin+Cos"). */
        alt(XK_b);
        pause_ms(250);
        double t0 = now_ms();
        tap(XK_Return);
        if (warm) {
            pause_ms(700);
            grab(&s, client);
            dialog = changed(&blank, &s, (Rect){client.x, client.y, client.w / 2, client.h});
            grab(&dialogShot, dialog);
            const Rect c = colour_box(&dialogShot, dialog, 30, caption);
            fieldClick = (Rect){c.x + c.w * 205 / 250, c.y + c.h + 100, 1, 1};
        } else if ((dialogMs[i] = wait_for(&dialogShot, dialog, t0)) < 0) {
            fail("the formula dialog did not show");
        }
        pause_ms(200);

        /* OK by Enter: the result window with the table. */
        t0 = now_ms();
        tap(XK_Return);
        if (warm) {
            pause_ms(700);
            grab(&s, client);
            const Rect right = {client.x + client.w * 6 / 10, client.y, client.w * 4 / 10,
                                client.h * 6 / 10};
            result = changed(&blank, &s, right);
            grab(&tableShot, result);
            const Rect c = colour_box(&tableShot, result, 30, caption);
            closeBox = (Rect){c.x + c.w - 8, c.y + c.h - 3, 1, 1};
        } else if ((tableMs[i] = wait_for(&tableShot, result, t0)) < 0) {
            fail("the result table did not show");
        }
        if (!warm) {
            const double p = now_ms();
            grab(&s, result);
            pollMs[i] = now_ms() - p;
        }
        pause_ms(200);

        /* Back to the start: the result window closed, the dialog hidden by Escape. */
        Shot noResult = crop(&blank, result), noDialog = crop(&blank, dialog);
        click(closeBox.x, closeBox.y);
        if (wait_for(&noResult, result, now_ms()) < 0) fail("the result window stayed");
        click(fieldClick.x, fieldClick.y);
        pause_ms(100);
        tap(XK_Escape);
        if (wait_for(&noDialog, dialog, now_ms()) < 0) fail("the formula dialog stayed");
        free(noResult.px);
        free(noDialog.px);
        pause_ms(100);
        int status;
        if (waitpid(demo, &status, WNOHANG) == demo) fail("the demo ended");
    }
    report("formula dialog", dialogMs, runs);
    report("result table", tableMs, runs);
    report("one poll", pollMs, runs);

    alt(XK_d);
    pause_ms(250);
    tap(XK_e); /* Datei, Ende */
    int status = 0;
    waitpid(demo, &status, 0);
    XCloseDisplay(dpy);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
