// The guide's program on the headless screen, driven as a user would: the greeting it draws, the
// name dialog read on OK and ignored on Cancel, the file selection, the ways it ends. With
// GUIDE_SHOT_DIR set, the screens the guide shows are written there as PNG files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/winmain.h"
#include "core/wwindow.h"
#include "guide/guide.h"
#include "guide/guide_ids.h"
#include "support/presented.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace {

using testsupport::key;
using testsupport::ScriptedScreen;

HWND titled(const std::string& title) {
    HWND found = nullptr;
    plat::for_each_window([&](HWND w, const plat::Window&) {
        char text[80];
        GetWindowTextA(w, text, sizeof text);
        if (title == text && IsWindowVisible(w)) found = w;
    });
    return found;
}

void type(const std::string& text) {
    plat::inject_key(VK_CONTROL, 0, true);
    key('A', 1); // select all
    plat::inject_key(VK_CONTROL, 0, false);
    for (char c : text)
        key(std::toupper(static_cast<unsigned char>(c)), c);
}

void menu(int id) {
    PostMessageA(tess::window(0).frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

// Pixels of the greeting's dark blue in a band of the root's client rows (window units).
int blue_pixels(int topUnits, int bottomUnits) {
    HWND frame = tess::window(0).frame;
    HWND client = tess::window(0).client;
    RECT c, w;
    GetClientRect(client, &c);
    GetWindowRect(frame, &w);
    POINT origin{0, 0};
    ClientToScreen(client, &origin);
    int n = 0;
    for (int y = c.bottom * topUnits / 9999; y < c.bottom * bottomUnits / 9999; ++y)
        for (int x = 0; x < c.right; ++x) {
            const plat::Pixel p =
                testsupport::presented_pixel(frame, origin.x - w.left + x, origin.y - w.top + y);
            const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            n += b > 0x60 && r < 0x40 && g < 0x40;
        }
    return n;
}

class Guide : public testsupport::ScriptedTest {
protected:
    Guide() : ScriptedTest({640, 400}) {}
    void then(std::function<void()> step) { screen->steps.push_back(std::move(step)); }
    // The whole screen as the guide shows it, when shots are asked for.
    void shot(const char* name) {
        const char* dir = std::getenv("GUIDE_SHOT_DIR");
        if (!dir || !*dir) return;
        std::string error;
        GdiFlush();
        EXPECT_TRUE(screen->save_screen_png(std::string(dir) + "/" + name, &error)) << error;
    }

    testsupport::TempDir dir{true};
};

TEST_F(Guide, TheNameDialogIsReadOnOkAndIgnoredOnCancel) {
    struct Case {
        const char* name;
        int radio; // 0: none clicked
        int button;
        bool accepted;
        const char* greeting;
    };
    const Case cases[] = {
        {"Grace", IDF_WELCOME, IDOK, true, "Welcome, Grace!"},
        {"Ada", IDF_HELLO, IDOK, true, "Hello, Ada!"},
        {"Ada", 0, IDOK, true, "Hello, Ada!"}, // none checked reads -999: the plain greeting
        {"Linus", IDF_WELCOME, IDCANCEL, false, "Choose File > Name... to be greeted."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        guide::open_guide_window();
        guide::GuideState state;
        bool shown = false;
        then([&] {
            shown = titled("Your name") != nullptr;
            type(c.name);
        });
        then([&] { // the typed keys have reached the name field by now
            if (c.radio) SendMessageA(GetDlgItem(titled("Your name"), c.radio), BM_CLICK, 0, 0);
        });
        then([&] {
            if (c.radio == IDF_WELCOME && c.accepted) shot("guide-dialog.png");
            PostMessageA(titled("Your name"), WM_COMMAND, c.button, 0);
        });
        EXPECT_EQ(guide::ask_name(state), c.accepted);
        EXPECT_TRUE(shown);
        EXPECT_EQ(state.greeting.str(), c.greeting);
        EXPECT_EQ(tess::tessar04().currentDialog, 0); // unloaded either way
        EXPECT_EQ(InfoError(1), c.radio ? 0 : 1010);
        WindowClose();
    }
}

TEST_F(Guide, TheFileSelectionHandsOverTheChosenFileAndACancelChangesNothing) {
    dir.write("notes.txt", "some notes\n");
    guide::open_guide_window();
    guide::GuideState state;
    then([] { key(VK_ESCAPE, 27); });
    EXPECT_FALSE(guide::choose_file(state));
    EXPECT_EQ(state.file.str(), "No file chosen yet.");

    then([] { type("notes.txt"); });
    then([&] {
        shot("guide-file.png");
        key(VK_RETURN, '\r');
    });
    EXPECT_TRUE(guide::choose_file(state));
    const std::string chosen = state.file.str();
    EXPECT_EQ(chosen.substr(chosen.rfind('/') + 1), "notes.txt");
    WindowClose();
}

TEST_F(Guide, TheProgramDrawsTheGreetingAndEndsByMenuOrCloseBox) {
    for (const int ending : {CMD_EXIT, 0}) {
        SCOPED_TRACE(ending);
        int before = -1, after = -1;
        then([] { menu(CMD_NAME); });
        then([] { type("Grace"); });
        then([&] {
            before = blue_pixels(1500, 3000);
            PostMessageA(titled("Your name"), WM_COMMAND, IDOK, 0);
        });
        then([&] {
            after = blue_pixels(1500, 3000);
            if (ending) shot("guide-window.png");
            if (ending)
                menu(ending);
            else
                PostMessageA(tess::window(0).frame, WM_CLOSE, 0, 0);
        });
        MainProgram();
        // "Hello, Grace!" is shorter than the hint it replaces but drawn in the same blue.
        EXPECT_GT(before, 200);
        EXPECT_GT(after, 100);
        EXPECT_NE(after, before);
        EXPECT_EQ(tess::tk().tessar01.rootOpen, 0);
        EXPECT_TRUE(screen->steps.empty());
    }
}

} // namespace
