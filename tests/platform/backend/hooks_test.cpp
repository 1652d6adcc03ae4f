// What the layer tells a backend with native windows, and the input it takes from one.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "backend/trace_file.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace {

class RecordingBackend : public plat::HeadlessBackend {
public:
    void window_changed(HWND hwnd) override { ++changes[hwnd]; }
    void surface_described(HWND hwnd, const plat::SurfaceDescription& d) override {
        ++changes[hwnd];
        descriptions[hwnd] = d;
    }
    void cursor_changed(HCURSOR c) override { cursors.push_back(c); }
    void capture_changed(HWND hwnd) override { captures.push_back(hwnd); }
    void cursor_moved(POINT p) override { warps.push_back(p); }

    std::map<HWND, int> changes;
    std::map<HWND, plat::SurfaceDescription> descriptions;
    std::vector<HCURSOR> cursors;
    std::vector<HWND> captures;
    std::vector<POINT> warps;
};

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class BackendHooks : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<RecordingBackend>();
        screen = b.get();
        plat::set_backend(std::move(b));
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "HookFrame";
        RegisterClassExA(&wc);
        plat::set_message_trace(
            [](void* self, HWND h, UINT m, WPARAM w, LPARAM l, bool) {
                static_cast<BackendHooks*>(self)->seen.push_back({h, m, w, l});
            },
            this);
    }
    void TearDown() override {
        plat::set_message_trace(nullptr, nullptr);
        std::vector<HWND> all;
        plat::for_each_window([&](HWND h, const plat::Window&) { all.push_back(h); });
        for (HWND h : all)
            DestroyWindow(h);
        plat::reset_queue();
        plat::reset_input();
        UnregisterClassA("HookFrame", nullptr);
        plat::set_backend(nullptr);
    }
    HWND frame(DWORD style = WS_OVERLAPPEDWINDOW) {
        return CreateWindowExA(0, "HookFrame", "Frame", style, 50, 50, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }
    void pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    std::vector<Seen> posted_keys() {
        std::vector<Seen> out;
        for (const Seen& s : seen)
            if (s.message >= WM_KEYDOWN && s.message <= WM_SYSCHAR) out.push_back(s);
        return out;
    }

    RecordingBackend* screen = nullptr;
    std::vector<Seen> seen;
};

TEST_F(BackendHooks, ShowingMovingMinimisingAndRetitlingAreReported) {
    const HWND f = frame();
    const int created = screen->changes[f];
    ShowWindow(f, SW_SHOW);
    EXPECT_GT(screen->changes[f], created);
    for (auto change :
         {+[](HWND h) { MoveWindow(h, 10, 10, 200, 100, TRUE); },
          +[](HWND h) { ShowWindow(h, SW_MINIMIZE); }, +[](HWND h) { ShowWindow(h, SW_RESTORE); },
          +[](HWND h) { SetWindowTextA(h, "New title"); },
          +[](HWND h) { ShowWindow(h, SW_HIDE); }}) {
        const int before = screen->changes[f];
        change(f);
        EXPECT_GT(screen->changes[f], before);
    }
}

// What the backend is told a surface is, without looking at the window itself.
TEST_F(BackendHooks, SurfacesAreDescribedByKindOwnerTitleSizingAndGrab) {
    using plat::SurfaceKind;
    const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    struct Row {
        const char* className;
        DWORD style;
        bool owned;
        SurfaceKind kind;
        bool fixedSize;
        bool grabs;
    };
    const Row rows[] = {
        {"HookFrame", WS_OVERLAPPEDWINDOW, false, SurfaceKind::Frame, false, false},
        {"HookFrame", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, false, SurfaceKind::Frame, true,
         false},
        {"HookFrame", WS_POPUP | WS_CAPTION | WS_SYSMENU, true, SurfaceKind::Dialog, true, false},
        {"HookFrame", WS_POPUP, true, SurfaceKind::DropDownList, false, false},
        {"#32768", WS_POPUP, true, SurfaceKind::PopupMenu, false, true},
        {"tooltips_class32", WS_POPUP, true, SurfaceKind::Tooltip, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.className);
        const HWND h = CreateWindowExA(0, r.className, "Title", r.style, 0, 0, 50, 40,
                                       r.owned ? owner : nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(h);
        ASSERT_EQ(screen->descriptions.count(h), 1u);
        const plat::SurfaceDescription& d = screen->descriptions[h];
        EXPECT_EQ(d.kind, r.kind);
        EXPECT_EQ(d.owner, r.owned ? owner : nullptr);
        EXPECT_EQ(d.fixedSize, r.fixedSize);
        EXPECT_EQ(d.grabsPointer, r.grabs);
        EXPECT_EQ(d.title, "Title");
        SetWindowTextA(h, "Renamed");
        EXPECT_EQ(screen->descriptions[h].title, "Renamed");
        DestroyWindow(h);
    }
}

TEST_F(BackendHooks, ChildWindowsAreNotNative) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = CreateWindowExA(0, "HookFrame", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, f,
                                   nullptr, nullptr, nullptr);
    MoveWindow(c, 5, 5, 20, 20, TRUE);
    SetWindowTextA(c, "child");
    EXPECT_EQ(screen->changes.count(c), 0u);
}

TEST_F(BackendHooks, CaptureCursorAndPointerWarps) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetCapture(f);
    ReleaseCapture();
    ReleaseCapture(); // nothing held: nothing to report
    ASSERT_EQ(screen->captures.size(), 2u);
    EXPECT_EQ(screen->captures[0], f);
    EXPECT_EQ(screen->captures[1], nullptr);

    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    SetCursor(wait);
    ASSERT_EQ(screen->cursors.size(), 1u);
    EXPECT_EQ(screen->cursors[0], wait);

    // Warps are clamped to the screen before the backend sees them.
    SetCursorPos(5000, 20);
    ASSERT_EQ(screen->warps.size(), 1u);
    EXPECT_EQ(screen->warps[0].x, 1023);
    EXPECT_EQ(screen->warps[0].y, 20);
}

TEST_F(BackendHooks, KeyMessagesCarryTheBackendsScanCodeAndExtendedBit) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetFocus(f);
    pump();
    seen.clear();
    const LPARAM rightArrow = (0x4D << 16) | (1 << 24);
    plat::inject_key(VK_RIGHT, 0, true, rightArrow);
    plat::inject_key(VK_RIGHT, 0, true, rightArrow); // held: a repeat
    plat::inject_key(VK_RIGHT, 0, false, rightArrow);
    pump();
    const auto keys = posted_keys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].message, WM_KEYDOWN);
    EXPECT_EQ(static_cast<DWORD>(keys[0].lParam), 0x014D0001u);
    EXPECT_EQ(static_cast<DWORD>(keys[1].lParam), 0x414D0001u); // previous state: down
    EXPECT_EQ(keys[2].message, WM_KEYUP);
    EXPECT_EQ(static_cast<DWORD>(keys[2].lParam), 0xC14D0001u);
    // A repeat does not toggle the key a second time.
    EXPECT_EQ(GetKeyState(VK_RIGHT) & 1, 1);
}

TEST_F(BackendHooks, AltMakesSystemKeysAndCharacters) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetFocus(f);
    pump();
    seen.clear();
    plat::inject_key(VK_MENU, 0, true, 0x38 << 16);
    plat::inject_key('F', 'f', true, 0x21 << 16);
    pump();
    const auto keys = posted_keys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[1].message, WM_SYSKEYDOWN);
    EXPECT_EQ(static_cast<DWORD>(keys[1].lParam), 0x20210001u); // context bit: Alt is down
    EXPECT_EQ(keys[2].message, WM_SYSCHAR);
    EXPECT_EQ(keys[2].wParam, static_cast<WPARAM>('f'));
}

// Another program took the keyboard: deactivation without a successor.
TEST_F(BackendHooks, DeactivatingTheApplication) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetActiveWindow(b);
    ASSERT_EQ(GetFocus(), b);
    seen.clear();
    plat::deactivate_application();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    std::vector<UINT> toB;
    for (const Seen& s : seen) {
        // The other frame is not activated; it only hears, as every top-level window of the
        // program does, that the program lost activation.
        if (s.hwnd == a) {
            EXPECT_EQ(s.message, WM_ACTIVATEAPP);
        }
        if (s.hwnd == b) toB.push_back(s.message);
    }
    const std::vector<UINT> expected = {WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS};
    EXPECT_EQ(toB, expected);
    // Coming back: activation as from nothing, the application activated first.
    seen.clear();
    SetActiveWindow(a);
    ASSERT_FALSE(seen.empty());
    bool appFirst = false;
    for (const Seen& s : seen)
        if (s.message == WM_ACTIVATEAPP || s.message == WM_ACTIVATE) {
            appFirst = s.message == WM_ACTIVATEAPP && s.wParam == TRUE;
            break;
        }
    EXPECT_TRUE(appFirst);
}

// The native focus, as a backend reports it through the one sink.
TEST_F(BackendHooks, NativeFocusMovesActivationAndADisabledOwnerPassesItToItsDialog) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND dialog = CreateWindowExA(0, "HookFrame", "Dialog", WS_POPUP | WS_CAPTION, 0, 0, 50,
                                        40, a, nullptr, nullptr, nullptr);
    SetActiveWindow(b);
    plat::input_sink().focus_in(a);
    EXPECT_EQ(GetActiveWindow(), a);
    plat::input_sink().focus_lost();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    EnableWindow(a, FALSE);
    SetActiveWindow(b);
    plat::input_sink().focus_in(a);
    EXPECT_EQ(GetActiveWindow(), dialog);
}

TEST(TraceLines, InputCommandsAndClosing) {
    using plat::trace_line;
    EXPECT_EQ(trace_line(WM_KEYDOWN, 0x41, 0x001E0001, true),
              "WM_KEYDOWN vk=0x41 lparam=0x001E0001");
    EXPECT_EQ(trace_line(WM_KEYUP, 0x41, static_cast<LPARAM>(0xC01E0001u), true),
              "WM_KEYUP vk=0x41 lparam=0xC01E0001");
    EXPECT_EQ(trace_line(WM_CHAR, 0xF6, 1, true), "WM_CHAR 0xF6");
    EXPECT_EQ(trace_line(WM_COMMAND, MAKEWPARAM(100, 0), 0, false), "WM_COMMAND id=100");
    EXPECT_EQ(trace_line(WM_SYSCOMMAND, SC_CLOSE, 0, true), "WM_SYSCOMMAND 0xF060");
    EXPECT_EQ(trace_line(WM_CLOSE, 0, 0, false), "WM_CLOSE");
    EXPECT_EQ(trace_line(WM_LBUTTONDOWN, 0, MAKELPARAM(12, 34), true), "WM_LBUTTONDOWN 12 34");
    EXPECT_EQ(trace_line(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0, true),
              "WM_MOUSEWHEEL -120");
    // Keys sent rather than dispatched (a control forwarding one) are not the user's input.
    EXPECT_EQ(trace_line(WM_KEYDOWN, 0x41, 1, false), "");
    EXPECT_EQ(trace_line(WM_PAINT, 0, 0, true), "");
}

} // namespace
