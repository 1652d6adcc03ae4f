// Programs on a real X server: Xvfb, driven with xdotool, closed through WM_DELETE_WINDOW by
// our own helper. Skipped, with the reason, only where Xvfb cannot start.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>
#include <unistd.h>

#include <windows.h>

#include "harness.h"
#include "support/temp_dir.h"
#include "xvfb_test.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {

const std::string KeyEcho = KEY_ECHO_PATH;
const std::string Tool = X11_TOOL_PATH;
const std::string Sample = SAMPLE_PATH;
const std::string Demo = DEMO_PATH;
const std::string TextEcho = TEXT_ECHO_PATH;

// The compact form of the trace lines a key produces: K<vk> for WM_KEYDOWN, S<vk> for
// WM_SYSKEYDOWN, C<byte> for WM_CHAR, Y<byte> for WM_SYSCHAR, all in hex.
std::string key_summary(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        unsigned v = 0;
        char kind = 0;
        if (std::sscanf(line.c_str(), "WM_KEYDOWN vk=0x%x", &v) == 1)
            kind = 'K';
        else if (std::sscanf(line.c_str(), "WM_SYSKEYDOWN vk=0x%x", &v) == 1)
            kind = 'S';
        else if (std::sscanf(line.c_str(), "WM_CHAR 0x%x", &v) == 1)
            kind = 'C';
        else if (std::sscanf(line.c_str(), "WM_SYSCHAR 0x%x", &v) == 1)
            kind = 'Y';
        if (!kind) continue;
        char item[8];
        std::snprintf(item, sizeof item, "%s%c%02X", out.empty() ? "" : " ", kind, v);
        out += item;
    }
    return out;
}

class OnXvfb : public XvfbTest {
protected:
    // Starts key_echo and waits until its frame is on the screen with the keyboard focus.
    void start_key_echo(Env extra = {}) {
        extra["KEY_ECHO_OUT"] = dir.file("typed.txt");
        start_program(KeyEcho, "^Key echo$", extra);
    }

    void start_program(const std::string& path, const std::string& title, Env extra = {}) {
        Env env = xvfb->program_env();
        env["TESS_TRACE"] = trace;
        for (auto& [k, v] : extra)
            env[k] = v;
        program = std::make_unique<Process>(std::vector<std::string>{path}, env,
                                            dir.file("stderr.txt"), dir.file("stdout.txt"));
        ASSERT_TRUE(wait_until([&] {
            const auto windows = visible_windows(title);
            window = windows.empty() ? "" : windows[0];
            return !window.empty();
        })) << "no window; stderr: "
            << read_file(dir.file("stderr.txt"));
        xdo({"windowfocus", "--sync", window});
    }

    // The program's visible X windows, by xdotool's search (frames by title).
    std::vector<std::string> visible_windows(const std::string& title = "") {
        std::vector<std::string> args = {"xdotool", "search", "--onlyvisible", "--pid",
                                         std::to_string(program->pid())};
        // xdotool matches any one criterion unless told to match all.
        if (!title.empty()) args.insert(args.end(), {"--all", "--name", title});
        return lines_of(run(args, xvfb->env()).out);
    }

    int xdo(std::vector<std::string> args) { return xdotool(xvfb->env(), std::move(args)); }
    int tool(const std::string& command, const std::string& arg) {
        return run({Tool, command, arg}, xvfb->env()).status;
    }

    std::vector<std::string> trace_lines() { return lines_of(read_file(trace)); }
    // Waits for a line beginning with `line` to appear in the trace at or after line `from`;
    // returns its index or -1.
    int wait_line(const std::string& line, std::size_t from = 0) {
        int found = -1;
        wait_until([&] {
            const auto lines = trace_lines();
            for (std::size_t i = from; i < lines.size(); ++i)
                if (lines[i].starts_with(line)) {
                    found = static_cast<int>(i);
                    return true;
                }
            return false;
        });
        return found;
    }

    Geometry geometry() { return geometry_of(window); }
    Geometry geometry_of(const std::string& id) { return window_geometry(xvfb->env(), id); }

    int count_lines(const std::string& prefix) {
        int n = 0;
        for (const std::string& l : trace_lines())
            n += l.starts_with(prefix);
        return n;
    }
    void click_at(int x, int y) {
        ASSERT_EQ(xdo({"mousemove", "--sync", std::to_string(x), std::to_string(y)}), 0);
        ASSERT_EQ(xdo({"click", "1"}), 0);
    }

    plat::Surface screenshot(const std::string& name) {
        const std::string path = dir.file(name);
        EXPECT_EQ(tool("shot", path), 0);
        // Kept for looking at when E2E_SHOTS names a folder.
        if (const char* keep = std::getenv("E2E_SHOTS"))
            std::filesystem::copy_file(path, std::string(keep) + "/" + name,
                                       std::filesystem::copy_options::overwrite_existing);
        return read_png(path);
    }

    testsupport::TempDir dir;
    std::string trace = dir.file("trace.txt");
    std::unique_ptr<Process> program;
    std::string window;
};

// Key rows: the Num Lock state to set first (-1: leave it), the xdotool key names, and what the
// frame must receive.
struct KeyRow {
    int numLock;
    const char* keys;
    const char* expected;
};

const KeyRow keyTable[] = {
    {-1, "a", "K41 C61"},
    {-1, "shift+a", "K10 K41 C41"},
    {-1, "1", "K31 C31"},
    {-1, "shift+1", "K10 K31 C21"},
    {-1, "ctrl+a", "K11 K41 C01"},
    {-1, "space", "K20 C20"},
    {-1, "minus", "KBD C2D"},
    {-1, "Tab", "K09 C09"},
    {-1, "shift+Tab", "K10 K09 C09"},
    {-1, "Return", "K0D C0D"},
    {-1, "Escape", "K1B C1B"},
    {-1, "BackSpace", "K08 C08"},
    {-1, "Delete", "K2E"}, // no DEL character, unlike X
    {-1, "Insert", "K2D"},
    {-1, "Home End Prior Next", "K24 K23 K21 K22"},
    {-1, "Left Up Right Down", "K25 K26 K27 K28"},
    {-1, "ctrl+Right", "K11 K27"},
    {-1, "F1 F2 F12", "K70 K71 K7B"},
    {-1, "shift+F2", "K10 K71"},
    {-1, "F24", "K87"},
    {-1, "Print Menu Clear", "K2C K5D K0C"},
    {-1, "Caps_Lock Caps_Lock", "K14 K14"},
    {-1, "Scroll_Lock Scroll_Lock", "K91 K91"},
    {-1, "odiaeresis", "KC0 CF6"},
    {-1, "EuroSign", "KDF C80"}, // Windows-1252's own byte for the euro
    // The keypad's 7 key, which X names KP_Home when Num Lock is off and KP_7 when it is on.
    {1, "KP_Home", "K67 C37"},
    {0, "KP_Home", "K24"},
    {1, "KP_Delete", "K6E C2E"},
    {0, "KP_Delete", "K2E"},
    {0, "KP_Begin", "K0C"},
    {1, "KP_Add KP_Multiply KP_Enter", "K6B C2B K6A C2A K0D C0D"},
    // Asked for KP_7 by name, xdotool presses Num Lock around it itself.
    {0, "KP_7", "K90 K67 C37"},
    {-1, "shift+Escape", "K10 K1B C1B"},
};

TEST_F(OnXvfb, KeyboardTableGivesVirtualKeysAndCharacters) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    std::size_t from = trace_lines().size();
    for (const KeyRow& row : keyTable) {
        if (row.numLock >= 0) {
            ASSERT_EQ(tool("numlock", row.numLock ? "on" : "off"), 0);
        }
        std::vector<std::string> args = {"key"};
        std::istringstream names(row.keys);
        for (std::string k; names >> k;)
            args.push_back(k);
        // Pause marks the end of the row.
        args.push_back("Pause");
        ASSERT_EQ(xdo(args), 0) << row.keys;
        const int marker = wait_line("WM_KEYDOWN vk=0x13 ", from);
        ASSERT_GE(marker, 0) << "nothing arrived for " << row.keys;
        const auto lines = trace_lines();
        const std::vector<std::string> rowLines(lines.begin() + static_cast<long>(from),
                                                lines.begin() + marker);
        EXPECT_EQ(key_summary(rowLines), row.expected) << "xdotool key " << row.keys;
        from = static_cast<std::size_t>(marker) + 1;
    }
}

// The toggle state of the lock keys is X's, also when it changed while the program was not
// looking; the title follows SetWindowTextA.
TEST_F(OnXvfb, LockKeysFollowTheServer) {
    ASSERT_EQ(tool("numlock", "on"), 0);
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    auto title_after_f8 = [&] {
        const std::size_t from = trace_lines().size();
        xdo({"key", "F8"});
        wait_line("WM_KEYUP vk=0x77 ", from);
        std::string name;
        wait_until([&] {
            name = run({"xdotool", "getwindowname", window}, xvfb->env()).out;
            return name.starts_with("Key echo: ");
        });
        return name.substr(0, name.find('\n'));
    };
    EXPECT_EQ(title_after_f8(), "Key echo: caps 0 num 1 scroll 0");
    ASSERT_EQ(xdo({"key", "Caps_Lock", "Num_Lock"}), 0);
    EXPECT_EQ(title_after_f8(), "Key echo: caps 1 num 0 scroll 0");
    ASSERT_EQ(xdo({"key", "Caps_Lock"}), 0);
    const std::string name = run({"xprop", "-id", window, "_NET_WM_NAME"}, xvfb->env()).out;
    EXPECT_NE(name.find("\"Key echo: caps 1 num 0 scroll 0\""), std::string::npos) << name;
}

TEST_F(OnXvfb, HeldKeyRepeatsWithThePreviousStateBit) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    // Xvfb repeats a held key after its auto-repeat delay (660 ms by default).
    ASSERT_EQ(xdo({"keydown", "x"}), 0);
    const bool repeated = wait_until([&] {
        for (const std::string& l : trace_lines())
            if (l == "WM_KEYDOWN vk=0x58 lparam=0x402D0001") return true;
        return false;
    });
    ASSERT_EQ(xdo({"keyup", "x"}), 0);
    EXPECT_TRUE(repeated);
    EXPECT_GE(wait_line("WM_KEYUP vk=0x58 lparam=0xC02D0001"), 0);
    const auto lines = trace_lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "WM_KEYDOWN vk=0x58 lparam=0x002D0001"), 1)
        << "a repeat is not a new press";
}

TEST_F(OnXvfb, TypedTextArrivesAsCharactersAndShows) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(xdo({"type", "--delay", "5", "Hallo Welt"}), 0);
    ASSERT_GE(wait_line("WM_CHAR 0x74"), 0);
    std::string chars;
    for (const std::string& l : trace_lines()) {
        unsigned c;
        if (std::sscanf(l.c_str(), "WM_CHAR 0x%x", &c) == 1) chars.push_back(static_cast<char>(c));
    }
    EXPECT_EQ(chars, "Hallo Welt");
    // The second text line of the client area now has dark pixels, the first frame's did not.
    const Geometry g = geometry();
    const plat::Surface shot = screenshot("typed.png");
    ASSERT_GT(shot.width, 0);
    int dark = 0;
    const int clientTop = g.y + 19; // below the menu bar
    for (int y = clientTop + 28; y < clientTop + 44; ++y)
        for (int x = g.x + 8; x < g.x + 120; ++x)
            dark += (shot.at(x, y) & 0xFF) < 0x80;
    EXPECT_GT(dark, 30);
}

TEST_F(OnXvfb, MouseButtonsAndWheelAtClientPositions) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    const Geometry g = geometry();
    // The X window begins with the menu bar; the client area is 19 pixels lower.
    const std::string x = std::to_string(g.x + 50), y = std::to_string(g.y + 19 + 40);
    ASSERT_EQ(xdo({"mousemove", "--sync", x, y}), 0);
    ASSERT_EQ(xdo({"click", "1"}), 0);
    EXPECT_GE(wait_line("WM_LBUTTONDOWN 50 40"), 0);
    ASSERT_EQ(xdo({"click", "3"}), 0);
    EXPECT_GE(wait_line("WM_RBUTTONDOWN 50 40"), 0);
    ASSERT_EQ(xdo({"click", "2"}), 0);
    EXPECT_GE(wait_line("WM_MBUTTONDOWN 50 40"), 0);
    // The class has CS_DBLCLKS.
    std::this_thread::sleep_for(600ms); // apart from the clicks before
    ASSERT_EQ(xdo({"click", "--repeat", "2", "--delay", "60", "1"}), 0);
    EXPECT_GE(wait_line("WM_LBUTTONDBLCLK 50 40"), 0);
    ASSERT_EQ(xdo({"click", "5"}), 0);
    EXPECT_GE(wait_line("WM_MOUSEWHEEL -120"), 0);
    ASSERT_EQ(xdo({"click", "4"}), 0);
    EXPECT_GE(wait_line("WM_MOUSEWHEEL 120"), 0);
}

TEST_F(OnXvfb, CloseBoxSendsCloseAndTheProgramEnds) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(xdo({"type", "abc"}), 0);
    ASSERT_GE(wait_line("WM_CHAR 0x63"), 0);
    ASSERT_EQ(tool("close", window), 0);
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    const auto lines = trace_lines();
    const auto command = std::find(lines.begin(), lines.end(), "WM_SYSCOMMAND 0xF060");
    ASSERT_NE(command, lines.end());
    EXPECT_NE(std::find(command, lines.end(), "WM_CLOSE"), lines.end());
    EXPECT_EQ(read_file(dir.file("typed.txt")), "abc");
}

// The X window shows exactly the pixels the headless screen has at the same place.
void expect_same_pixels_as_headless(OnXvfb& t, const plat::Surface& shot, const Geometry& g,
                                    const plat::Surface& headless) {
    ASSERT_EQ(shot.width, headless.width);
    int differing = 0;
    for (int y = g.y; y < g.y + g.height; ++y)
        for (int x = g.x; x < g.x + g.width; ++x)
            differing += shot.at(x, y) != headless.at(x, y);
    EXPECT_EQ(differing, 0) << "of " << g.width * g.height;
    (void)t;
}

// A frame inside the client area is drawn by the layer, caption and border included.
TEST_F(OnXvfb, FramesInsideAWindowKeepTheirOwnCaption) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo({{"KEY_ECHO_CHILD", "1"}}));
    const Geometry g = geometry();
    const plat::Surface shot = screenshot("inner-frame.png");
    ASSERT_GT(shot.width, 0);
    const int clientTop = g.y + 19;
    // Inside the inner frame's caption, right of its title and left of its boxes.
    const plat::Pixel caption = shot.at(g.x + 40 + 100, clientTop + 60 + 4 + 9);
    EXPECT_TRUE(caption == plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION)) ||
                caption == plat::pixel_from_colorref(GetSysColor(COLOR_INACTIVECAPTION)))
        << std::hex << caption;
    // Its sizing border, in the border colour.
    EXPECT_EQ(shot.at(g.x + 40 + 2, clientTop + 60 + 45),
              plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVEBORDER)));
}

class OnXvfbPixels : public OnXvfb {
protected:
    void SetUp() override {}

    void check(const std::vector<std::string>& serverArgs) {
        // The same program on the headless screen first, for its snapshot.
        const std::string snap = dir.file("headless.png");
        {
            Env env{{"TESS_BACKEND", "headless"},
                    {"TESS_SNAPSHOT", snap},
                    {"TESS_TRACE", dir.file("headless-trace.txt")},
                    {"DISPLAY", ""}};
            Process headless({KeyEcho}, env, dir.file("headless-stderr.txt"));
            ASSERT_TRUE(wait_until([&] {
                return read_file(dir.file("headless-trace.txt")).find("WM_SIZE") !=
                       std::string::npos;
            }));
            ::kill(headless.pid(), SIGUSR1);
            ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(snap); }));
        }
        start_server(serverArgs);
        if (IsSkipped()) return;
        ASSERT_NO_FATAL_FAILURE(start_key_echo());
        const Geometry g = geometry();
        EXPECT_EQ(g.width, 400 - 2 * 4);
        EXPECT_EQ(g.height, 200 - 2 * 4 - 18);
        const plat::Surface shot = screenshot("key_echo.png");
        ASSERT_GT(shot.width, 0);
        const plat::Surface headless = read_png(snap);
        expect_same_pixels_as_headless(*this, shot, g, headless);
        // The menu bar in the menu colour, the client area in the window colour.
        EXPECT_EQ(shot.at(g.x + 300, g.y + 2), plat::pixel_from_colorref(GetSysColor(COLOR_MENU)));
        EXPECT_EQ(shot.at(g.x + 300, g.y + 100),
                  plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
    }
};

TEST_F(OnXvfbPixels, SharedMemoryPresentationShowsTheHeadlessPixels) {
    check({});
}

TEST_F(OnXvfbPixels, PlainImagesWithoutSharedMemoryShowTheSame) {
    check({"-extension", "MIT-SHM"});
}

// Expose is answered from the pixels already shown: covering and uncovering the frame does
// not make the program paint.
TEST_F(OnXvfb, ExposeRepaintsWithoutThePainter) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    const Geometry g = geometry();
    const plat::Surface before = screenshot("before.png");
    ASSERT_EQ(xdo({"windowunmap", "--sync", window}), 0);
    ASSERT_EQ(xdo({"windowmap", "--sync", window}), 0);
    std::this_thread::sleep_for(200ms);
    const plat::Surface after = screenshot("after.png");
    ASSERT_EQ(after.width, before.width);
    int differing = 0;
    for (int y = g.y; y < g.y + g.height; ++y)
        for (int x = g.x; x < g.x + g.width; ++x)
            differing += before.at(x, y) != after.at(x, y);
    EXPECT_EQ(differing, 0);
}

// Pixels of the screenshot inside the window's rows [top, bottom) that satisfy f.
template <class F>
int count_pixels(const plat::Surface& shot, const Geometry& g, int top, int bottom, F&& f) {
    int n = 0;
    for (int y = g.y + std::max(top, 0); y < g.y + std::min(bottom, g.height); ++y)
        for (int x = g.x; x < g.x + g.width; ++x)
            n += shot.contains(x, y) && f(shot.at(x, y));
    return n;
}

bool is_ink(plat::Pixel p) {
    return ((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80;
}

// The toolkit writes text and clears its window between events, through the context it holds
// for the current window; both show on the server without any repaint.
TEST_F(OnXvfb, ToolkitTextAndClearingShowWithoutARepaint) {
    ASSERT_NO_FATAL_FAILURE(start_program(TextEcho, "^Text echo$"));
    const Geometry g = geometry();
    // The rows around a baseline at `units` of the window's height.
    const auto ink_near = [&](const plat::Surface& shot, int units) {
        const int baseline = g.height * units / 9999;
        return count_pixels(shot, g, baseline - 16, baseline + 4, is_ink);
    };
    const plat::Surface first = screenshot("first.png");
    EXPECT_EQ(ink_near(first, 2000), 0);
    EXPECT_EQ(ink_near(first, 6000), 0);

    ASSERT_EQ(xdo({"key", "a"}), 0);
    int upper = 0, lower = 0;
    EXPECT_TRUE(wait_until([&] { return (upper = ink_near(screenshot("a.png"), 2000)) > 100; }))
        << upper << " ink pixels where the first line is written";

    ASSERT_EQ(xdo({"key", "b"}), 0);
    EXPECT_TRUE(wait_until([&] {
        const plat::Surface shot = screenshot("b.png");
        upper = ink_near(shot, 2000);
        lower = ink_near(shot, 6000);
        return upper == 0 && lower > 100;
    })) << upper
        << " ink pixels left of the cleared line, " << lower << " of the new one";
}

// Drawing between events through a context held all along reaches the server at the program's
// next wait, with no repaint and without releasing the context.
TEST_F(OnXvfb, HeldContextDrawingShowsAtTheNextWait) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    const Geometry g = geometry();
    const int clientTop = g.y + 19; // below the menu bar
    auto red_shown = [&] {
        const plat::Surface shot = screenshot("held.png");
        return shot.width > 0 && shot.at(g.x + 230, clientTop + 120) == 0xFF0000u &&
               shot.at(g.x + 201, clientTop + 139) == 0xFF0000u;
    };
    ASSERT_FALSE(red_shown());
    ASSERT_EQ(xdo({"key", "F6"}), 0);
    ASSERT_GE(wait_line("WM_KEYDOWN vk=0x75 "), 0);
    EXPECT_TRUE(wait_until(red_shown, std::chrono::seconds(3)));
    EXPECT_EQ(screenshot("held.png").at(g.x + 261, clientTop + 120),
              plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
}

// The start-up benchmark's switch: the program ends by itself, with code 0, once its first
// frame is on the server; without the switch it stays.
TEST_F(OnXvfb, FirstFrameSwitchEndsTheProgramWithCodeZero) {
    for (const std::string& path : {Demo, KeyEcho}) {
        Env env = xvfb->program_env();
        env["TESS_EXIT_AFTER_FIRST_FRAME"] = "1";
        Process p({path}, env, dir.file("stderr.txt"));
        EXPECT_EQ(p.wait_exit(10s), 0) << path << ": " << read_file(dir.file("stderr.txt"));
        env.erase("TESS_EXIT_AFTER_FIRST_FRAME");
        Process stays({path}, env, dir.file("stderr.txt"));
        EXPECT_EQ(stays.wait_exit(500ms), -1) << path;
    }
}

long cpu_ticks(pid_t pid) {
    const std::string stat = read_file("/proc/" + std::to_string(pid) + "/stat");
    // Fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream in(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && in >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

TEST_F(OnXvfb, AnIdleWindowUsesNoProcessor) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    std::this_thread::sleep_for(300ms);
    const long before = cpu_ticks(program->pid());
    std::this_thread::sleep_for(5s);
    const long used = cpu_ticks(program->pid()) - before;
    const long ms = used * 1000 / ::sysconf(_SC_CLK_TCK);
    std::printf("idle processor time over 5 s: %ld ms\n", ms);
    // A busy wait would use the whole 5 s; a poll that wakes now and then a few milliseconds.
    EXPECT_LE(ms, 50);
}

TEST_F(OnXvfb, SetCursorPosMovesThePointer) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(xdo({"key", "F9"}), 0);
    ASSERT_GE(wait_line("WM_KEYDOWN vk=0x78 "), 0);
    EXPECT_TRUE(wait_until([&] {
        return run({"xdotool", "getmouselocation"}, xvfb->env()).out.starts_with("x:500 y:400 ");
    }));
}

// Activation follows the X input focus to another program's window and back.
TEST_F(OnXvfb, FocusElsewhereDeactivates) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    const std::string ours = window;
    ASSERT_GE(wait_line("WM_ACTIVATE 1"), 0);
    const std::size_t before = trace_lines().size();
    Env env = xvfb->program_env();
    env["KEY_ECHO_TITLE"] = "Other";
    Process other({KeyEcho}, env, dir.file("other-stderr.txt"));
    std::string theirs;
    ASSERT_TRUE(wait_until([&] {
        const auto found = lines_of(run({"xdotool", "search", "--onlyvisible", "--all", "--pid",
                                         std::to_string(other.pid()), "--name", "^Other$"},
                                        xvfb->env())
                                        .out);
        theirs = found.empty() ? "" : found[0];
        return !theirs.empty();
    }));
    ASSERT_EQ(xdo({"windowfocus", "--sync", theirs}), 0);
    EXPECT_GE(wait_line("WM_ACTIVATE 0", before), 0);
    const std::size_t away = trace_lines().size();
    ASSERT_EQ(xdo({"windowfocus", "--sync", ours}), 0);
    EXPECT_GE(wait_line("WM_ACTIVATE 1", away), 0);
    // And the keyboard works again here.
    ASSERT_EQ(xdo({"type", "z"}), 0);
    EXPECT_GE(wait_line("WM_CHAR 0x7A", away), 0);
}

// A second frame shown while X is still bringing the keyboard to the first: the first frame's
// FocusIn arrives after the program activated the second and must not hand activation back.
TEST_F(OnXvfb, ASecondFrameKeepsActivationAgainstALateFocusIn) {
    // The idle polls before the second frame is shown, 2 ms apart: one of the first falls between
    // the request to focus the first frame and the server's answer.
    for (const char* polls : {"1", "2", "3", "4", "5", "6"}) {
        SCOPED_TRACE(std::string("idle polls before the second frame: ") + polls);
        Env env = xvfb->program_env();
        env["KEY_ECHO_SECOND"] = polls;
        program = std::make_unique<Process>(std::vector<std::string>{KeyEcho}, env,
                                            dir.file("stderr.txt"));
        std::string second;
        ASSERT_TRUE(wait_until([&] {
            const auto found = visible_windows("^Second$");
            second = found.empty() ? "" : found[0];
            return !second.empty();
        }));
        // Whatever the server still had to say about the first frame has arrived by now.
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(lines_of(run({"xdotool", "getwindowfocus"}, xvfb->env()).out),
                  std::vector<std::string>{second});
        // The layer's keyboard focus: the frame that gets F7 renames itself.
        ASSERT_EQ(xdo({"key", "F7"}), 0);
        std::vector<std::string> renamed;
        EXPECT_TRUE(wait_until([&] {
            renamed = visible_windows("^Focus here$");
            return !renamed.empty();
        }));
        EXPECT_EQ(renamed, std::vector<std::string>{second});
        program.reset();
    }
}

TEST_F(OnXvfb, AltF4ClosesTheFrame) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(xdo({"key", "alt+F4"}), 0);
    EXPECT_EQ(program->wait_exit(10s), 0);
    EXPECT_GE(wait_line("WM_SYSKEYDOWN vk=0x73 "), 0);
    EXPECT_GE(wait_line("WM_CLOSE"), 0);
}

// Without a window manager, xdotool moves and sizes the X window itself; the layer follows.
TEST_F(OnXvfb, MovedAndResizedByXTheFrameFollows) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(xdo({"windowsize", "--sync", window, "500", "300"}), 0);
    // The X window holds the menu bar and the client area.
    EXPECT_GE(wait_line("WM_SIZE 0 500 281"), 0);
    ASSERT_EQ(xdo({"windowmove", "--sync", window, "300", "350"}), 0);
    std::this_thread::sleep_for(200ms);
    click_at(300 + 20, 350 + 19 + 30);
    EXPECT_GE(wait_line("WM_LBUTTONDOWN 20 30"), 0) << "client coordinates after the move";
}

TEST_F(OnXvfb, IconifiedAndRestoredByTheWindowManager) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(tool("iconify", window), 0);
    EXPECT_GE(wait_line("WM_SIZE 1 0 0"), 0);
    const std::size_t minimized = trace_lines().size();
    ASSERT_EQ(tool("restore", window), 0);
    EXPECT_GE(wait_line("WM_SIZE 0 392 155", minimized), 0);
    // Shown again, with its pixels.
    ASSERT_TRUE(wait_until([&] { return visible_windows().size() == 1; }));
}

TEST_F(OnXvfb, MaximisedAndRestoredByTheWindowManager) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo());
    ASSERT_EQ(tool("maximize", window), 0);
    // The whole screen for the menu bar and client area: 1024 by 768 less the menu bar.
    EXPECT_GE(wait_line("WM_SIZE 2 1024 749"), 0);
    const std::size_t maximized = trace_lines().size();
    ASSERT_EQ(tool("unmaximize", window), 0);
    EXPECT_GE(wait_line("WM_SIZE 0 392 155", maximized), 0);
    // Back in its old place.
    const Geometry g = geometry();
    EXPECT_EQ(g.x, 102 + 4);
    EXPECT_EQ(g.width, 392);
}

TEST_F(OnXvfb, HintsForTheWindowManager) {
    ASSERT_NO_FATAL_FAILURE(start_key_echo({{"KEY_ECHO_FIXED", "1"}, {"KEY_ECHO_OWNED", "1"}}));
    const std::string hints = run({"xprop", "-id", window, "WM_NORMAL_HINTS"}, xvfb->env()).out;
    // Without a sizing border the frame is not resizable: min = max = its size.
    EXPECT_NE(hints.find("minimum size: 394 by 176"), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: 394 by 176"), std::string::npos) << hints;
    EXPECT_NE(hints.find("window gravity: Static"), std::string::npos) << hints;
    // Moving and closing only: no sizing border, no minimise or maximise box.
    const std::string motif = run({"xprop", "-id", window, "_MOTIF_WM_HINTS"}, xvfb->env()).out;
    EXPECT_NE(motif.find("= 0x3, 0x24, 0x1, 0x0, 0x0"), std::string::npos) << motif;

    std::vector<std::string> owned;
    ASSERT_TRUE(wait_until([&] {
        owned = visible_windows("^Owned$");
        return !owned.empty();
    }));
    const std::string props =
        run({"xprop", "-id", owned[0], "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE"}, xvfb->env()).out;
    char owner[32];
    std::snprintf(owner, sizeof owner, "window id # 0x%lx", std::stoul(window));
    EXPECT_NE(props.find(owner), std::string::npos) << props;
    EXPECT_NE(props.find("_NET_WM_WINDOW_TYPE_DIALOG"), std::string::npos) << props;
}

// A program whose frame has a menu bar starting with "Datei".
class MenuProgramOnXvfb : public OnXvfb {
protected:
    // The open pop-up menu: the program's second visible window.
    std::string popup() {
        std::string found;
        wait_until([&] {
            for (const std::string& w : visible_windows())
                if (w != window) found = w;
            return !found.empty();
        });
        return found;
    }
    bool popup_closed() {
        return wait_until([&] { return visible_windows().size() == 1; });
    }
    // "Datei" is the first item of the menu bar, which is the top of the X window.
    void click_datei() { click_at(frame.x + 12, frame.y + 9); }

    Geometry frame;
};

// The sample program: a frame with the menus Datei (Leeren, Ende) and Hilfe (Über...).
class SampleOnXvfb : public MenuProgramOnXvfb {
protected:
    void SetUp() override {
        OnXvfb::SetUp();
        if (IsSkipped()) return;
        ASSERT_NO_FATAL_FAILURE(start_program(Sample, "^Tessaramond-Beispiel$"));
        frame = geometry();
    }
};

TEST_F(SampleOnXvfb, MenuByMouse) {
    click_datei();
    ASSERT_GE(wait_line("WM_INITMENUPOPUP"), 0);
    const std::string menu = popup();
    ASSERT_FALSE(menu.empty()) << "no pop-up window";
    const Geometry g = geometry_of(menu);
    EXPECT_EQ(g.x, frame.x) << "the pop-up opens under its menu bar item";
    EXPECT_EQ(g.y, frame.y + 19);
    const plat::Surface shot = screenshot("sample-menu.png");
    ASSERT_GT(shot.width, 0);
    // The check-mark column of the first item.
    EXPECT_EQ(shot.at(g.x + 6, g.y + 3 + 9), plat::pixel_from_colorref(GetSysColor(COLOR_MENU)));
    // Leeren, the first item.
    click_at(g.x + 20, g.y + 3 + 9);
    EXPECT_GE(wait_line("WM_COMMAND id=1001"), 0);
    EXPECT_TRUE(popup_closed());
}

TEST_F(SampleOnXvfb, AClickOutsideClosesTheMenu) {
    click_datei();
    ASSERT_GE(wait_line("WM_INITMENUPOPUP"), 0);
    ASSERT_FALSE(popup().empty());
    // On the bare root window: only the pointer grab brings this click to the program.
    click_at(1000, 750);
    EXPECT_TRUE(popup_closed());
    EXPECT_EQ(count_lines("WM_COMMAND"), 0);
    // The program goes on taking input.
    ASSERT_EQ(xdo({"type", "ok"}), 0);
    EXPECT_GE(wait_line("WM_CHAR 0x6B"), 0);
}

TEST_F(SampleOnXvfb, MenuByAltAndMnemonicTypingAndTheEnd) {
    ASSERT_EQ(xdo({"type", "Hallo"}), 0);
    ASSERT_GE(wait_line("WM_CHAR 0x6F"), 0);
    // Alt+H opens Hilfe; Enter chooses its one item, Über...
    ASSERT_EQ(xdo({"key", "alt+h"}), 0);
    ASSERT_GE(wait_line("WM_SYSCOMMAND 0xF100"), 0);
    ASSERT_FALSE(popup().empty());
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    EXPECT_GE(wait_line("WM_COMMAND id=1003"), 0);
    // The typed text and the about line on the screen.
    const plat::Surface shot = screenshot("sample-about.png");
    ASSERT_GT(shot.width, 0);
    auto dark_in_line = [&](int line) {
        int dark = 0;
        const int top = frame.y + 19 + 10 + line * 24;
        for (int y = top; y < top + 20; ++y)
            for (int x = frame.x + 10; x < frame.x + 300; ++x)
                dark += (shot.at(x, y) & 0xFF) < 0x80;
        return dark;
    };
    EXPECT_GT(dark_in_line(2), 150); // "Getippt: Hallo"
    EXPECT_GT(dark_in_line(3), 150); // "Über: ein Beispiel …"
    // Alt+D, then E for Ende: the program ends.
    ASSERT_EQ(xdo({"key", "alt+d"}), 0);
    ASSERT_TRUE(wait_until([&] { return count_lines("WM_SYSCOMMAND 0xF100") == 2; }));
    ASSERT_FALSE(popup().empty());
    ASSERT_EQ(xdo({"key", "e"}), 0);
    EXPECT_EQ(program->wait_exit(10s), 0);
    EXPECT_GE(wait_line("WM_COMMAND id=1002"), 0);
}

TEST_F(SampleOnXvfb, CloseBoxAndIcon) {
    // The program's icon resource, as the window manager reads it.
    const RunResult icon = run({"xprop", "-id", window, "_NET_WM_ICON"}, xvfb->env());
    EXPECT_NE(icon.out.find("Icon (2 x 2)"), std::string::npos) << icon.out;
    ASSERT_EQ(tool("close", window), 0);
    EXPECT_EQ(program->wait_exit(10s), 0);
    const auto lines = trace_lines();
    const auto command = std::find(lines.begin(), lines.end(), "WM_SYSCOMMAND 0xF060");
    ASSERT_NE(command, lines.end());
    EXPECT_NE(std::find(command, lines.end(), "WM_CLOSE"), lines.end());
}

// The sample's Extras menu: the details dialog (DialogBoxParamA over the frame, from the
// resources) and the question (MessageBoxA), worked by keyboard and by mouse. The sample prints
// each answer on standard output, and whether its frame was disabled while the dialog was up.
class SampleDialogsOnXvfb : public SampleOnXvfb {
protected:
    int count_printed(const std::string& line) {
        const auto lines = lines_of(read_file(dir.file("stdout.txt")));
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
    bool wait_printed(const std::string& line, int times = 1) {
        return wait_until([&] { return count_printed(line) >= times; });
    }
    // Alt+E opens Extras, the key chooses an item; the modal window with that title, focused.
    std::string open_extra(const std::string& key, const std::string& title) {
        if (xdo({"key", "alt+e"}) != 0 || popup().empty() || xdo({"key", key}) != 0) return "";
        std::string found;
        wait_until([&] {
            const auto windows = visible_windows("^" + title + "$");
            found = windows.empty() ? "" : windows[0];
            return !found.empty();
        });
        if (!found.empty()) xdo({"windowfocus", "--sync", found});
        return found;
    }
    bool closed(const std::string& title) {
        return wait_until([&] { return visible_windows("^" + title + "$").empty(); });
    }
    // A point of the details dialog in dialog units: its 180 x 100 fill the X window, which is
    // the dialog's client area.
    void click_units(const Geometry& g, int x, int y) {
        click_at(g.x + x * g.width / 180, g.y + y * g.height / 100);
    }
    // Dark pixels of a text line of the frame (of 24 pixels each, from 10 below the menu bar).
    int ink_in_line(const plat::Surface& shot, int line) {
        int dark = 0;
        const int top = frame.y + 19 + 10 + line * 24;
        for (int y = top; y < top + 20; ++y)
            for (int x = frame.x + 10; x < frame.x + 400; ++x)
                dark += (shot.at(x, y) & 0xFF) < 0x80;
        return dark;
    }
    bool menu_opens_on_the_frame() {
        const int before = count_lines("WM_INITMENUPOPUP");
        click_datei();
        const bool opened =
            wait_until([&] { return count_lines("WM_INITMENUPOPUP") > before; }, 3s);
        if (opened) xdo({"key", "Escape"});
        return opened && popup_closed();
    }
};

TEST_F(SampleDialogsOnXvfb, DetailsByKeyboardWhileTheFrameIsDisabled) {
    std::string dialog = open_extra("a", "Angaben");
    ASSERT_FALSE(dialog.empty()) << read_file(dir.file("stderr.txt"));
    EXPECT_TRUE(wait_printed("Besitzer: gesperrt"));
    // A click on the frame's menu bar opens nothing while the dialog is up; typing goes on in
    // the dialog's name field, which has the focus.
    const int menus = count_lines("WM_INITMENUPOPUP");
    click_datei();
    ASSERT_EQ(xdo({"type", "Anna"}), 0);
    EXPECT_GE(wait_line("WM_CHAR 0x61"), 0);
    EXPECT_EQ(count_lines("WM_INITMENUPOPUP"), menus);
    // Tab to the check box, Space checks it; Tab into the radio group, Down moves to Rechts.
    for (const char* key : {"Tab", "space", "Tab", "Down"})
        ASSERT_EQ(xdo({"key", key}), 0) << key;
    ASSERT_GE(wait_line("WM_KEYUP vk=0x28"), 0);
    const plat::Surface shot = screenshot("sample-dialog.png");
    ASSERT_GT(shot.width, 0);
    const Geometry g = geometry_of(dialog);
    EXPECT_GT(g.width, 180) << "dialog units wider than pixels";
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    EXPECT_TRUE(wait_printed("Angaben: Name=Anna Fett=ja Seite=rechts")) << read_file(trace);
    EXPECT_TRUE(closed("Angaben"));
    // The frame is enabled again and shows the answer.
    EXPECT_TRUE(menu_opens_on_the_frame());
    EXPECT_GT(ink_in_line(screenshot("sample-details.png"), 5), 150);
    // Esc cancels: the entries are not taken.
    dialog = open_extra("a", "Angaben");
    ASSERT_FALSE(dialog.empty());
    EXPECT_TRUE(wait_printed("Besitzer: gesperrt", 2));
    ASSERT_EQ(xdo({"type", "X"}), 0);
    ASSERT_EQ(xdo({"key", "Escape"}), 0);
    EXPECT_TRUE(wait_printed("Angaben: abgebrochen"));
    EXPECT_TRUE(closed("Angaben"));
}

TEST_F(SampleDialogsOnXvfb, DetailsByMouse) {
    const std::string dialog = open_extra("a", "Angaben");
    ASSERT_FALSE(dialog.empty()) << read_file(dir.file("stderr.txt"));
    ASSERT_EQ(xdo({"type", "Bo"}), 0);
    EXPECT_GE(wait_line("WM_CHAR 0x6F"), 0);
    const Geometry g = geometry_of(dialog);
    click_units(g, 22, 33); // the check box's text
    click_units(g, 27, 63); // Rechts
    ASSERT_GE(wait_line("WM_LBUTTONUP"), 0);
    click_units(g, 94, 86); // OK
    EXPECT_TRUE(wait_printed("Angaben: Name=Bo Fett=ja Seite=rechts"));
    EXPECT_TRUE(closed("Angaben"));
}

TEST_F(SampleDialogsOnXvfb, QuestionByKeyboardAndMouse) {
    std::string box = open_extra("f", "Frage");
    ASSERT_FALSE(box.empty()) << read_file(dir.file("stderr.txt"));
    EXPECT_TRUE(wait_printed("Besitzer: gesperrt"));
    const plat::Surface shot = screenshot("sample-question.png");
    ASSERT_GT(shot.width, 0);
    // The mnemonic of Yes, without Alt.
    ASSERT_EQ(xdo({"key", "y"}), 0);
    EXPECT_TRUE(wait_printed("Antwort: Ja"));
    EXPECT_TRUE(closed("Frage"));
    EXPECT_GT(ink_in_line(screenshot("sample-answer.png"), 6), 100);
    // Esc answers Cancel, as the box has one.
    box = open_extra("f", "Frage");
    ASSERT_FALSE(box.empty());
    ASSERT_EQ(xdo({"key", "Escape"}), 0);
    EXPECT_TRUE(wait_printed("Antwort: Abbrechen"));
    EXPECT_TRUE(closed("Frage"));
    // By mouse: No, the middle one of the three buttons centred in the bottom row.
    box = open_extra("f", "Frage");
    ASSERT_FALSE(box.empty());
    const Geometry g = geometry_of(box);
    click_at(g.x + g.width / 2, g.y + g.height - 25);
    EXPECT_TRUE(wait_printed("Antwort: Nein"));
    EXPECT_TRUE(closed("Frage"));
    EXPECT_TRUE(menu_opens_on_the_frame());
}

// The sample's file dialog (Datei, Öffnen...) in a real X window: a file chosen by typing its
// name and one chosen by a double click in the list; the sample shows the path in its caption.
class SampleFileDialogOnXvfb : public SampleOnXvfb {
protected:
    // Opens the dialog from the menu by keys and gives it the keyboard; returns its window.
    std::string open_dialog() {
        EXPECT_EQ(xdo({"key", "alt+d"}), 0);
        EXPECT_FALSE(popup().empty());
        EXPECT_EQ(xdo({"key", "f"}), 0);
        std::string dialog;
        wait_until([&] {
            const auto found = visible_windows("^Open$");
            dialog = found.empty() ? "" : found[0];
            return !dialog.empty();
        });
        if (!dialog.empty()) xdo({"windowfocus", "--sync", dialog});
        return dialog;
    }
    // Types the text into the name field (Alt+N selects what it holds) and presses Enter.
    void type_name(const std::string& text) {
        ASSERT_EQ(xdo({"key", "alt+n"}), 0);
        ASSERT_EQ(xdo({"type", "--delay", "5", text}), 0);
        ASSERT_EQ(xdo({"key", "Return"}), 0);
    }
    // Waits for the sample's caption to name the chosen file.
    std::string caption_after_choice() {
        std::string name;
        wait_until([&] {
            name = run({"xdotool", "getwindowname", window}, xvfb->env()).out;
            return name.find(" - ") != std::string::npos;
        });
        return name.substr(0, name.find('\n'));
    }

    testsupport::TempDir files;
};

TEST_F(SampleFileDialogOnXvfb, FileChosenByTypingItsName) {
    files.write("typed.txt", "x");
    files.write("other.txt", "x");
    const std::string dialog = open_dialog();
    ASSERT_FALSE(dialog.empty()) << "no file dialog";
    // The directory first (it is entered), then the name.
    ASSERT_NO_FATAL_FAILURE(type_name(files.path().string()));
    ASSERT_NO_FATAL_FAILURE(type_name("typed.txt"));
    EXPECT_EQ(caption_after_choice(), "Tessaramond-Beispiel - " + files.file("typed.txt"));
    EXPECT_TRUE(wait_until([&] { return visible_windows("^Open$").empty(); }));
}

TEST_F(SampleFileDialogOnXvfb, FileChosenByDoubleClickInTheList) {
    files.write("alpha.txt", "x");
    files.write("beta.txt", "x");
    const std::string dialog = open_dialog();
    ASSERT_FALSE(dialog.empty()) << "no file dialog";
    ASSERT_NO_FATAL_FAILURE(type_name(files.path().string()));
    // The list shows "..", alpha.txt, beta.txt. Its top is the first window-coloured row below
    // the dialog's top; a click there selects "..", whose highlight gives the row height.
    const Geometry g = geometry_of(dialog);
    const plat::Pixel window = plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW));
    const plat::Pixel highlight = plat::pixel_from_colorref(GetSysColor(COLOR_HIGHLIGHT));
    const int x = g.x + 40;
    int listTop = -1;
    {
        const plat::Surface shot = screenshot("file-dialog-list.png");
        ASSERT_GT(shot.width, 0);
        for (int y = g.y; y < g.y + g.height / 2 && listTop < 0; ++y)
            if (shot.at(x, y) == window) listTop = y;
    }
    ASSERT_GE(listTop, 0) << "no list in the dialog";
    click_at(x, listTop + 4);
    int rowTop = -1, rowBottom = -1;
    wait_until([&] {
        const plat::Surface shot = screenshot("file-dialog-selected.png");
        rowTop = rowBottom = -1;
        for (int y = listTop; y < listTop + 60; ++y)
            if (shot.at(x, y) == highlight) {
                if (rowTop < 0) rowTop = y;
                rowBottom = y + 1;
            }
        return rowTop >= 0;
    });
    ASSERT_GE(rowTop, 0) << "the click selected nothing";
    const int rowHeight = rowBottom - rowTop;
    ASSERT_GT(rowHeight, 8);
    std::this_thread::sleep_for(600ms); // apart from the click before
    ASSERT_EQ(xdo({"mousemove", "--sync", std::to_string(x),
                   std::to_string(rowTop + rowHeight + rowHeight / 2)}),
              0);
    ASSERT_EQ(xdo({"click", "--repeat", "2", "--delay", "60", "1"}), 0);
    EXPECT_EQ(caption_after_choice(), "Tessaramond-Beispiel - " + files.file("alpha.txt"));
}

// The demo, Formaldrix: its root window comes up and closes from the close box.
TEST_F(OnXvfb, DemoOpensAndClosesFromTheCloseBox) {
    testsupport::TempDir work;
    ASSERT_NO_FATAL_FAILURE(start_program(Demo, "^Formaldrix - Pellarin GmbH, Altbruck$",
                                          {{"TESSINIT", work.file("tessar.ini")}}));
    const Geometry g = geometry();
    const plat::Surface shot = screenshot("demo.png");
    ASSERT_GT(shot.width, 0);
    EXPECT_EQ(shot.at(g.x + g.width / 2, g.y + g.height / 2),
              plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
    ASSERT_EQ(tool("close", window), 0);
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    EXPECT_GE(wait_line("WM_CLOSE"), 0);
}

TEST_F(OnXvfb, DemoEndsFromItsMenu) {
    testsupport::TempDir work;
    ASSERT_NO_FATAL_FAILURE(start_program(Demo, "^Formaldrix - Pellarin GmbH, Altbruck$",
                                          {{"TESSINIT", work.file("tessar.ini")}}));
    // Datei, Ende: by Alt+mnemonic.
    ASSERT_EQ(xdo({"key", "alt+d"}), 0);
    ASSERT_GE(wait_line("WM_INITMENUPOPUP"), 0);
    ASSERT_EQ(xdo({"key", "e"}), 0);
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    EXPECT_GE(wait_line("WM_COMMAND id=40009"), 0);
}

// The demo with its menu Datei: Laden, Speichern (greyed), a separator, Ende.
class DemoOnXvfb : public MenuProgramOnXvfb {
protected:
    void SetUp() override {
        OnXvfb::SetUp();
        if (IsSkipped()) return;
        ASSERT_NO_FATAL_FAILURE(start_program(Demo, "^Formaldrix - Pellarin GmbH, Altbruck$",
                                              {{"TESSINIT", work.file("tessar.ini")}}));
        frame = geometry();
    }
    testsupport::TempDir work;
};

TEST_F(DemoOnXvfb, EndsFromItsMenuOpenedByMouseWhereSaveIsGreyed) {
    click_datei();
    ASSERT_GE(wait_line("WM_INITMENUPOPUP"), 0);
    const std::string menu = popup();
    ASSERT_FALSE(menu.empty()) << "no pop-up window";
    const Geometry g = geometry_of(menu);
    const plat::Surface shot = screenshot("demo-menu.png");
    ASSERT_GT(shot.width, 0);
    // "Speichern", the second item, is greyed: nothing happens on a click.
    const int itemTop = g.y + 3, itemHeight = 18;
    click_at(g.x + 30, itemTop + itemHeight + itemHeight / 2);
    EXPECT_FALSE(wait_until([&] { return visible_windows().size() == 1; }, 500ms));
    // "Ende" follows the separator.
    click_at(g.x + 30, itemTop + 2 * itemHeight + 8 + itemHeight / 2);
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    EXPECT_GE(wait_line("WM_COMMAND id=40009"), 0);
    EXPECT_EQ(count_lines("WM_COMMAND id=40011"), 0);
}

TEST(Startup, WithoutADisplayOneLineAndExitCodeOne) {
    testsupport::TempDir dir;
    Process p({KeyEcho}, {{"DISPLAY", ""}, {"TESS_BACKEND", ""}}, dir.file("stderr.txt"));
    EXPECT_EQ(p.wait_exit(10s), 1);
    const auto lines = lines_of(read_file(dir.file("stderr.txt")));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("TESS_BACKEND=headless"), std::string::npos) << lines[0];
}

TEST(Startup, HeadlessSnapshotOnSignalAndOnExit) {
    testsupport::TempDir dir;
    const std::string snap = dir.file("screen.png");
    const std::string trace = dir.file("trace.txt");
    Process p({KeyEcho},
              {{"DISPLAY", ""},
               {"TESS_BACKEND", "headless"},
               {"TESS_SNAPSHOT", snap},
               {"TESS_TRACE", trace}},
              dir.file("stderr.txt"));
    ASSERT_TRUE(wait_until([&] { return read_file(trace).find("WM_SIZE") != std::string::npos; }));
    ::kill(p.pid(), SIGUSR1);
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(snap); }));
    const plat::Surface s = read_png(snap);
    ASSERT_EQ(s.width, 1024);
    ASSERT_EQ(s.height, 768);
    // The frame's client area at its place on the screen, in the window colour.
    EXPECT_EQ(s.at(102 + 200, 102 + 4 + 18 + 19 + 100),
              plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(s.at(10, 10), 0u); // the empty screen around it
}

} // namespace
