// MessageBoxA on the headless screen: the box is modal, so its owner's WM_ENTERIDLE (sent each
// time the box's loop runs out of messages) looks at it and types the keys, one step per idle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gdi/surface.h"
#include "platform/window/message_recorder.h"

namespace {

struct Step {
    int vk;
    char character;
};

// What the owner's idle hook saw and does.
struct Idle {
    int count = 0;
    std::vector<Step> keys;   // one key pressed and released per idle
    BOOL ownerEnabled = TRUE; // at the first idle
    HWND box = nullptr;
    std::function<void(HWND)> look; // at the first idle
};
Idle& idle() {
    static Idle i;
    return i;
}

LRESULT CALLBACK owner_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ENTERIDLE || wParam != MSGF_DIALOGBOX)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    Idle& i = idle();
    const HWND box = reinterpret_cast<HWND>(lParam);
    const auto n = static_cast<std::size_t>(i.count++);
    if (n == 0) {
        i.box = box;
        i.ownerEnabled = IsWindowEnabled(hwnd);
        if (i.look) i.look(box);
    }
    if (n < i.keys.size()) {
        plat::inject_key(i.keys[n].vk, i.keys[n].character, true);
        plat::inject_key(i.keys[n].vk, i.keys[n].character, false);
    } else if (n > 0) {
        EndDialog(box, 99); // the keys did not end it: give an answer no button has
    }
    return 0;
}

class MessageBoxTest : public testmsg::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        idle() = Idle{};
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = owner_proc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "BoxOwner";
        RegisterClassExA(&wc);
        owner = CreateWindowExA(0, "BoxOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                400, 300, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(owner);
        pump();
    }
    void TearDown() override {
        WindowTest::TearDown();
        UnregisterClassA("BoxOwner", nullptr);
    }

    int show(UINT type, std::vector<Step> keys, const char* text = "Message",
             const char* caption = "Caption") {
        idle().count = 0;
        idle().keys = std::move(keys);
        return MessageBoxA(owner, text, caption, type);
    }

    HWND owner = nullptr;
};

constexpr Step Enter{VK_RETURN, '\r'}, Esc{VK_ESCAPE, 27}, Tab{VK_TAB, '\t'}, Space{VK_SPACE, ' '};
constexpr Step key(char c) {
    return {c, static_cast<char>(c - 'A' + 'a')};
}

struct Row {
    const char* name;
    UINT type;
    std::vector<int> buttons; // left to right
    int defaultId;
    int escAnswer; // 0: Esc does nothing, and Enter then answers
    Step mnemonic; // {0, 0} where the set has none
    int mnemonicAnswer;
    int tabSpaceAnswer; // Tab from the default button, then Space
};

const std::vector<Row> rows = {
    {"ok", MB_OK, {IDOK}, IDOK, IDOK, {0, 0}, 0, IDOK},
    {"okcancel", MB_OKCANCEL, {IDOK, IDCANCEL}, IDOK, IDCANCEL, {0, 0}, 0, IDCANCEL},
    {"abortretryignore_def2",
     MB_ABORTRETRYIGNORE | MB_DEFBUTTON2,
     {IDABORT, IDRETRY, IDIGNORE},
     IDRETRY,
     0,
     key('A'),
     IDABORT,
     IDIGNORE},
    {"yesnocancel_def3",
     MB_YESNOCANCEL | MB_DEFBUTTON3,
     {IDYES, IDNO, IDCANCEL},
     IDCANCEL,
     IDCANCEL,
     key('N'),
     IDNO,
     IDYES},
    {"yesno_def2", MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, 0, key('Y'), IDYES, IDYES},
    {"retrycancel",
     MB_RETRYCANCEL,
     {IDRETRY, IDCANCEL},
     IDRETRY,
     IDCANCEL,
     key('R'),
     IDRETRY,
     IDCANCEL},
    // A default button beyond the set falls back to the first.
    {"yesno_def3", MB_YESNO | MB_DEFBUTTON3, {IDYES, IDNO}, IDYES, 0, key('N'), IDNO, IDNO},
    {"ok_def2", MB_OK | MB_DEFBUTTON2, {IDOK}, IDOK, IDOK, {0, 0}, 0, IDOK},
};

// Every button set: its buttons and default (focused, DM_GETDEFID), its owner disabled while it
// shows and enabled after, and its answers to Enter, Esc, a mnemonic and Tab then Space.
TEST_F(MessageBoxTest, ButtonSetsAndTheirKeyboardAnswers) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> present;
        int focusId = 0;
        LRESULT defId = 0;
        idle().look = [&](HWND box) {
            for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
                if (GetDlgItem(box, id)) present.push_back(id);
            focusId = GetDlgCtrlID(GetFocus());
            defId = SendMessageA(box, DM_GETDEFID, 0, 0);
        };
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_EQ(show(row.type, {Enter}), row.defaultId);
        EXPECT_FALSE(idle().ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_FALSE(IsWindow(idle().box));
        std::vector<int> sorted = row.buttons;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(present, sorted);
        EXPECT_EQ(LOWORD(defId), row.defaultId);
        EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
        EXPECT_EQ(focusId, row.defaultId);
        idle().look = nullptr;

        if (row.escAnswer) {
            EXPECT_EQ(show(row.type, {Esc}), row.escAnswer);
        } else {
            EXPECT_EQ(show(row.type, {Esc, Enter}), row.defaultId) << "Esc must do nothing";
        }
        if (row.mnemonic.vk) {
            EXPECT_EQ(show(row.type, {row.mnemonic}), row.mnemonicAnswer);
        }
        EXPECT_EQ(show(row.type, {Tab, Space}), row.tabSpaceAnswer);
    }
}

// The close box answers as Esc does: IDCANCEL, IDOK for OK alone, nothing without a Cancel.
TEST_F(MessageBoxTest, CloseBox) {
    const struct {
        UINT type;
        int answer;
    } cases[] = {{MB_OKCANCEL, IDCANCEL}, {MB_OK, IDOK}, {MB_YESNO, 99}};
    for (const auto& c : cases) {
        idle().look = [](HWND box) { SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };
        EXPECT_EQ(show(c.type, {}), c.answer) << c.type;
    }
}

struct Shown {
    RECT box{};
    RECT text{};
    std::string caption;
};

Shown measure(HWND box) {
    Shown s;
    GetWindowRect(box, &s.box);
    GetWindowRect(GetDlgItem(box, 0xFFFF), &s.text);
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    s.caption = caption;
    return s;
}

int height(const RECT& r) {
    return r.bottom - r.top;
}
int width(const RECT& r) {
    return r.right - r.left;
}

// Sized to the text: a long line wraps within a bounded width, more lines make a taller box, and
// no box grows past the screen. Centred on a visible owner, else on the screen.
TEST_F(MessageBoxTest, SizedToItsTextAndCentred) {
    const SIZE screenSize{1024, 768};
    auto shown = [&](const std::string& text) {
        Shown s;
        idle().look = [&](HWND box) {
            s = measure(box);
            if (text.size() > 2000) return;
            // Saved to be looked at: the wrapped line and the screen-high box.
            GdiFlush();
            const char* dir = std::getenv("TESS_PNG_DIR");
            const std::string path =
                (dir ? std::string(dir) : std::filesystem::temp_directory_path().string()) +
                "/message_box_text_" + std::to_string(text.size()) + ".png";
            EXPECT_TRUE(screen->save_window_png(box, path));
        };
        EXPECT_EQ(show(MB_OK, {Enter}, text.c_str()), IDOK);
        return s;
    };
    auto lines = [](int n) {
        std::string t;
        for (int i = 1; i <= n; ++i)
            t += "Line " + std::to_string(i) + "\n";
        t.pop_back();
        return t;
    };
    std::string longLine;
    for (int i = 0; i < 300; ++i)
        longLine += "word ";
    const Shown one = shown("Short"), wrapped = shown(longLine), twenty = shown(lines(20)),
                sixty = shown(lines(60)), many = shown(lines(600));

    EXPECT_GT(height(wrapped.text), 2 * height(one.text)) << "the long line wraps";
    EXPECT_LE(width(wrapped.box), screenSize.cx * 3 / 4);
    EXPECT_GT(width(wrapped.box), width(one.box));
    EXPECT_GT(height(twenty.box), height(one.box) + 15 * height(one.text));
    EXPECT_GT(height(sixty.box), height(twenty.box));
    for (const Shown* s : {&sixty, &many}) {
        EXPECT_LE(height(s->box), screenSize.cy);
        EXPECT_GE(s->box.top, 0);
        EXPECT_LE(s->box.bottom, screenSize.cy);
    }
    EXPECT_EQ(height(many.box), height(sixty.box)) << "both are as tall as the screen allows";

    RECT ownerRect;
    GetWindowRect(owner, &ownerRect);
    EXPECT_NEAR((one.box.left + one.box.right) / 2, (ownerRect.left + ownerRect.right) / 2, 1);
    EXPECT_NEAR((one.box.top + one.box.bottom) / 2, (ownerRect.top + ownerRect.bottom) / 2, 1);
    ShowWindow(owner, SW_HIDE);
    const Shown alone = shown("Short");
    EXPECT_NEAR((alone.box.left + alone.box.right) / 2, screenSize.cx / 2, 1);
    EXPECT_NEAR((alone.box.top + alone.box.bottom) / 2, screenSize.cy / 2, 1);
    EXPECT_EQ(alone.caption, "Caption");
}

// Bad input: no text, no caption ("Error"), a 100,000-character text, an unknown button set
// (fails with 0, no box shown), unknown other bits and every modality accepted.
TEST_F(MessageBoxTest, BadInput) {
    Shown s;
    idle().look = [&](HWND box) { s = measure(box); };
    EXPECT_EQ(show(MB_OKCANCEL, {Esc}, nullptr, nullptr), IDCANCEL);
    EXPECT_EQ(s.caption, "Error");
    const std::string huge(100000, 'x');
    EXPECT_EQ(show(MB_YESNO, {key('Y')}, huge.c_str()), IDYES);
    EXPECT_LE(height(s.box), 768);
    EXPECT_LE(width(s.box), 1024);
    for (UINT type : {0x7u, 0xFu}) {
        idle().count = 0;
        EXPECT_EQ(MessageBoxA(owner, "x", "y", type), 0);
        EXPECT_EQ(idle().count, 0) << "no box for set " << type;
    }
    for (UINT type : {MB_OK | MB_SYSTEMMODAL, MB_OK | MB_TASKMODAL, MB_OK | MB_APPLMODAL,
                      MB_OK | 0xF0000u | 0x80u | 0xC00u})
        EXPECT_EQ(show(type, {Enter}), IDOK) << type;
    EXPECT_TRUE(IsWindowEnabled(owner));
}

// Each icon kind sounds once as the box opens; the aliases name the same icons.
TEST_F(MessageBoxTest, BeepPerIcon) {
    static_assert(MB_ICONSTOP == MB_ICONHAND && MB_ICONERROR == MB_ICONHAND);
    static_assert(MB_ICONWARNING == MB_ICONEXCLAMATION && MB_ICONINFORMATION == MB_ICONASTERISK);
    for (UINT icon : {0u, MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION}) {
        const int before = screen->bells();
        EXPECT_EQ(show(MB_OK | icon, {Enter}), IDOK);
        EXPECT_EQ(screen->bells(), before + 1) << icon;
    }
}

// What the user sees, read from the presented image: the icon's colour off its mark and on it,
// the background around it, and the default button's dark outer frame that the others lack.
// Every set with every icon is saved as a PNG.
TEST_F(MessageBoxTest, PresentedImage) {
    const auto face = plat::pixel_from_colorref(GetSysColor(COLOR_BTNFACE));
    const auto frame = plat::pixel_from_colorref(GetSysColor(COLOR_WINDOWFRAME));
    const struct {
        UINT icon;
        const char* name;
        POINT bodyAt;
        COLORREF body;
        POINT markAt;
        COLORREF mark;
    } icons[] = {
        {MB_ICONERROR, "error", {6, 16}, RGB(204, 32, 32), {16, 16}, RGB(255, 255, 255)},
        {MB_ICONQUESTION, "question", {6, 16}, RGB(32, 80, 192), {16, 18}, RGB(255, 255, 255)},
        {MB_ICONWARNING, "warning", {10, 28}, RGB(240, 192, 0), {16, 15}, RGB(0, 0, 0)},
        {MB_ICONINFORMATION,
         "information",
         {6, 16},
         RGB(32, 96, 208),
         {16, 18},
         RGB(255, 255, 255)},
        {0, "none", {0, 0}, 0, {0, 0}, 0},
    };
    const char* dir = std::getenv("TESS_PNG_DIR");
    const std::string folder = dir ? dir : std::filesystem::temp_directory_path().string();
    for (const Row& row : rows) {
        if (row.type & MB_DEFMASK && row.buttons.size() == 1) continue;
        for (const auto& icon : icons) {
            SCOPED_TRACE(std::string(row.name) + " " + icon.name);
            idle().look = [&](HWND box) {
                GdiFlush();
                RECT win;
                GetWindowRect(box, &win);
                auto at = [&](HWND control, int x, int y) {
                    RECT r;
                    GetWindowRect(control, &r);
                    return screen->presented_pixel(box, r.left - win.left + x, r.top - win.top + y);
                };
                const HWND iconControl = GetDlgItem(box, 20);
                if (icon.icon) {
                    ASSERT_TRUE(iconControl);
                    EXPECT_EQ(at(iconControl, icon.bodyAt.x, icon.bodyAt.y),
                              plat::pixel_from_colorref(icon.body));
                    EXPECT_EQ(at(iconControl, icon.markAt.x, icon.markAt.y),
                              plat::pixel_from_colorref(icon.mark));
                    EXPECT_EQ(at(iconControl, 0, 0), face);
                } else {
                    EXPECT_FALSE(iconControl);
                }
                for (int id : row.buttons) {
                    const bool isDefault = id == row.defaultId;
                    EXPECT_EQ(at(GetDlgItem(box, id), 0, 0) == frame, isDefault) << id;
                }
                const std::string path =
                    folder + "/message_box_" + row.name + "_" + icon.name + ".png";
                std::string error;
                EXPECT_TRUE(screen->save_window_png(box, path, &error)) << error;
            };
            EXPECT_EQ(show(row.type | icon.icon, {Enter},
                           "The file could not be saved.\nDo you want to try again?", "Formaldrix"),
                      row.defaultId);
        }
    }
}

// A click on a button answers with that button, whichever is the default.
TEST_F(MessageBoxTest, ClickOnAButton) {
    for (int id : {IDYES, IDNO, IDCANCEL}) {
        idle().look = [id](HWND box) {
            RECT r;
            GetWindowRect(GetDlgItem(box, id), &r);
            const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            plat::inject_mouse_move(centre);
            plat::inject_mouse(centre, 0, true);
            plat::inject_mouse(centre, 0, false);
        };
        EXPECT_EQ(show(MB_YESNOCANCEL | MB_ICONQUESTION, {}), id);
    }
}

} // namespace
