// Programs under a real window manager: openbox on a private Xvfb. Only X input goes in (xdotool,
// wmctrl as a pager would use it) and only the server is read back (xprop, xwininfo, pixels).
// Skipped, with the reason, where Xvfb or openbox cannot start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <thread>

#include "harness.h"
#include "support/temp_dir.h"
#include "window_manager.h"
#include "xvfb_test.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {

const std::string Demo = DEMO_PATH;
const std::string WmEcho = WM_ECHO_PATH;
const std::string Tool = X11_TOOL_PATH;
const std::string DemoTitle = "Formaldrix - Pellarin GmbH, Altbruck";

// _NET_FRAME_EXTENTS: left, right, top, bottom.
struct Extents {
    long left = -1, right = -1, top = -1, bottom = -1;
};

class UnderOpenbox : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) return;
        if (!installed("openbox")) GTEST_SKIP() << "openbox is not installed";
        manager = std::make_unique<WindowManager>(xvfb->env(), dir.file(""));
        ASSERT_TRUE(manager->started()) << manager->failure();
    }
    void TearDown() override {
        program.reset();
        manager.reset();
    }

    void start(const std::string& path) {
        Env env = xvfb->program_env();
        env["TESS_TRACE"] = trace;
        env["TESSINIT"] = dir.file("tessar.ini");
        program = std::make_unique<Process>(std::vector<std::string>{path}, env,
                                            dir.file("stderr.txt"), dir.file("stdout.txt"));
    }

    // The program's client X window with this title, once the manager has framed and shown it.
    std::string wait_window(const std::string& title) {
        std::string found;
        wait_until([&] {
            const auto w =
                lines_of(run({"xdotool", "search", "--onlyvisible", "--pid",
                              std::to_string(program->pid()), "--all", "--name", "^" + title + "$"},
                             xvfb->env())
                             .out);
            found = w.empty() ? "" : w[0];
            return !found.empty() && extents(found).top > 0;
        });
        if (found.empty() || extents(found).top <= 0) {
            std::string report;
            for (const std::string& w :
                 lines_of(run({"xdotool", "search", "--pid", std::to_string(program->pid())},
                              xvfb->env())
                              .out))
                report += w + ": " + xprop(w, "WM_NAME") + xprop(w, "WM_STATE") +
                          xprop(w, "_NET_FRAME_EXTENTS") + xwininfo({}, w, "Map State: ") + "\n";
            ADD_FAILURE() << "no framed window " << title << "; windows:\n" << report;
            return {};
        }
        return found;
    }

    std::string xprop(const std::string& window, const std::string& property) {
        return run({"xprop", "-id", window, property}, xvfb->env()).out;
    }
    Extents extents(const std::string& window) {
        Extents e;
        std::sscanf(xprop(window, "_NET_FRAME_EXTENTS").c_str(),
                    "_NET_FRAME_EXTENTS(CARDINAL) = %ld, %ld, %ld, %ld", &e.left, &e.right, &e.top,
                    &e.bottom);
        return e;
    }
    // A line of xwininfo's report for the window, after its label.
    std::string xwininfo(const std::vector<std::string>& options, const std::string& window,
                         const std::string& label) {
        std::vector<std::string> args = {"xwininfo"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), {"-id", window});
        for (const std::string& line : lines_of(run(args, xvfb->env()).out))
            if (const auto at = line.find(label); at != std::string::npos)
                return line.substr(at + label.size());
        return {};
    }
    // The client window's place on the screen and size. (xdotool adds the frame's offset once
    // more under a reparenting manager.)
    Geometry geometry(const std::string& window) {
        Geometry g;
        for (const std::string& line :
             lines_of(run({"xwininfo", "-id", window}, xvfb->env()).out)) {
            std::sscanf(line.c_str(), " Absolute upper-left X: %d", &g.x);
            std::sscanf(line.c_str(), " Absolute upper-left Y: %d", &g.y);
            std::sscanf(line.c_str(), " Width: %d", &g.width);
            std::sscanf(line.c_str(), " Height: %d", &g.height);
        }
        return g;
    }

    int xdo(std::vector<std::string> args) { return xdotool(xvfb->env(), std::move(args)); }
    void click_at(int x, int y) {
        ASSERT_EQ(xdo({"mousemove", "--sync", std::to_string(x), std::to_string(y)}), 0);
        ASSERT_EQ(xdo({"click", "1"}), 0);
    }

    // Waits for a line of the program's stdout (or its trace) at or after line `from`.
    int wait_line(const std::string& file, const std::string& line, std::size_t from = 0) {
        int found = -1;
        wait_until([&] {
            const auto lines = lines_of(read_file(file));
            for (std::size_t i = from; i < lines.size(); ++i)
                if (lines[i] == line || lines[i].starts_with(line + " ")) {
                    found = static_cast<int>(i);
                    return true;
                }
            return false;
        });
        return found;
    }
    std::size_t line_count(const std::string& file) { return lines_of(read_file(file)).size(); }

    testsupport::TempDir dir;
    std::string trace = dir.file("trace.txt");
    std::string out = dir.file("stdout.txt");
    std::unique_ptr<WindowManager> manager;
    std::unique_ptr<Process> program;
};

// Reparented into a frame of the manager's, with its borders and a title bar showing our caption
// in its own pixels.
TEST_F(UnderOpenbox, FramesCarryTheDecorationsAndOurTitle) {
    struct Case {
        std::string program, title;
    };
    const Case cases[] = {{Demo, DemoTitle}, {WmEcho, "Wm echo"}, {WmEcho, "Wm child"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        start(c.program);
        const std::string window = wait_window(c.title);
        ASSERT_FALSE(window.empty()) << read_file(dir.file("stderr.txt"));
        const Extents e = extents(window);
        EXPECT_GT(e.left, 0);
        EXPECT_GT(e.right, 0);
        EXPECT_GT(e.top, 0);
        EXPECT_GT(e.bottom, 0);
        const std::string parent = xwininfo({"-tree"}, window, "Parent window id: ");
        EXPECT_FALSE(parent.empty());
        EXPECT_EQ(parent.find("(the root window)"), std::string::npos) << parent;
        EXPECT_EQ(xprop(window, "_NET_WM_NAME"),
                  "_NET_WM_NAME(UTF8_STRING) = \"" + c.title + "\"\n");
        EXPECT_EQ(xprop(window, "WM_NAME"), "WM_NAME(STRING) = \"" + c.title + "\"\n");

        // The title bar above the client holds the manager's drawing: its shading and the title's
        // letters, not one flat colour (once the manager has drawn it).
        const std::string shot = dir.file("shot.png");
        const Geometry g = geometry(window);
        std::set<plat::Pixel> colours;
        EXPECT_TRUE(wait_until([&] {
            colours.clear();
            if (run({Tool, "shot", shot}, xvfb->env()).status != 0) return false;
            const plat::Surface s = read_png(shot);
            for (int y = g.y - static_cast<int>(e.top); y < g.y; ++y)
                for (int x = g.x; x < g.x + g.width; ++x)
                    if (s.contains(x, y)) colours.insert(s.at(x, y));
            return colours.size() >= 3;
        })) << colours.size();
        program.reset();
    }
}

// A real click on the manager's close button: the demo's close request ends it.
TEST_F(UnderOpenbox, CloseButtonEndsTheDemo) {
    start(Demo);
    const std::string window = wait_window(DemoTitle);
    ASSERT_FALSE(window.empty()) << read_file(dir.file("stderr.txt"));
    const Extents e = extents(window);
    const Geometry g = geometry(window);
    // The close button ends the title bar: half the bar's height in from the frame's right edge.
    const int half = static_cast<int>(e.top) / 2;
    click_at(g.x + g.width + static_cast<int>(e.right) - half - 1, g.y - half);
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(dir.file("stderr.txt"));
    EXPECT_GE(wait_line(trace, "WM_CLOSE"), 0);
}

// The demo's Info box under the manager: framed as the frame's transient, it takes the keyboard,
// and Enter closes it and gives the keyboard back to the frame.
TEST_F(UnderOpenbox, MessageBoxTakesTheKeyboardAndGivesItBack) {
    start(Demo);
    const std::string frame = wait_window(DemoTitle);
    ASSERT_FALSE(frame.empty()) << read_file(dir.file("stderr.txt"));
    const auto focused = [&] {
        return std::strtoul(run({"xdotool", "getwindowfocus"}, xvfb->env()).out.c_str(), nullptr,
                            10);
    };
    ASSERT_TRUE(wait_until([&] { return focused() == std::strtoul(frame.c_str(), nullptr, 10); }));
    ASSERT_EQ(xdo({"key", "alt+h"}), 0);
    std::this_thread::sleep_for(200ms); // the pop-up takes the next key once it is up
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    const std::string info = wait_window("Info");
    ASSERT_FALSE(info.empty());
    char owner[32];
    std::snprintf(owner, sizeof owner, "# 0x%lx\n", std::strtoul(frame.c_str(), nullptr, 10));
    EXPECT_NE(xprop(info, "WM_TRANSIENT_FOR").find(owner), std::string::npos);
    EXPECT_TRUE(wait_until([&] { return focused() == std::strtoul(info.c_str(), nullptr, 10); }));
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    EXPECT_TRUE(wait_until([&] { return xwininfo({}, info, "Map State: ") != "IsViewable"; }));
    EXPECT_TRUE(wait_until([&] { return focused() == std::strtoul(frame.c_str(), nullptr, 10); }));
}

// wm_echo's two windows: the root and its free-standing child, with their client sizes.
struct EchoWindow {
    std::string title;
    int number, width, height;
};
const EchoWindow echoWindows[] = {{"Wm echo", 0, 360, 240}, {"Wm child", 1, 300, 200}};

// Iconified and restored by the manager, as a taskbar does it: the program hears minimise and
// restore, and the server shows the window again at its old size.
TEST_F(UnderOpenbox, IconifyAndRestoreArriveAsMinimiseAndRestore) {
    start(WmEcho);
    for (const EchoWindow& c : echoWindows) {
        SCOPED_TRACE(c.title);
        const std::string window = wait_window(c.title);
        ASSERT_FALSE(window.empty()) << read_file(dir.file("stderr.txt"));
        const std::size_t before = line_count(trace), eventsBefore = line_count(out);
        ASSERT_EQ(xdo({"windowminimize", "--sync", window}), 0);
        EXPECT_GE(wait_line(trace, "WM_SIZE 1 0 0", before), 0);
        EXPECT_NE(xprop(window, "WM_STATE").find("Iconic"), std::string::npos);
        // Minimising gives the toolkit program no event (its client window keeps its size).
        EXPECT_EQ(line_count(out), eventsBefore) << read_file(out);
        const std::size_t minimised = line_count(trace);
        ASSERT_EQ(xdo({"windowactivate", "--sync", window}), 0);
        const std::string size = std::to_string(c.width) + " " + std::to_string(c.height);
        EXPECT_GE(wait_line(trace, "WM_SIZE 0 " + size, minimised), 0);
        EXPECT_NE(xprop(window, "WM_STATE").find("Normal"), std::string::npos);
        EXPECT_TRUE(
            wait_until([&] { return xwininfo({}, window, "Map State: ") == "IsViewable"; }));
    }
}

// Maximised through _NET_WM_STATE, as a pager asks for it: the client area takes the manager's
// new size, which the program hears as a resize event; unmaximised, it gets its old size back.
TEST_F(UnderOpenbox, MaximiseResizesTheClient) {
    start(WmEcho);
    for (const EchoWindow& c : echoWindows) {
        SCOPED_TRACE(c.title);
        const std::string window = wait_window(c.title);
        ASSERT_FALSE(window.empty()) << read_file(dir.file("stderr.txt"));
        const std::size_t before = line_count(out);
        ASSERT_EQ(run({"wmctrl", "-i", "-r", window, "-b", "add,maximized_vert,maximized_horz"},
                      xvfb->env())
                      .status,
                  0);
        // Maximised, the frame spans the screen's width; the manager may drop its side borders.
        Extents e;
        Geometry g;
        ASSERT_TRUE(wait_until([&] {
            e = extents(window);
            g = geometry(window);
            return g.width == 1024 - e.left - e.right;
        })) << g.width
            << " within borders " << e.left << ", " << e.right;
        EXPECT_NE(xprop(window, "_NET_WM_STATE").find("_NET_WM_STATE_MAXIMIZED_HORZ"),
                  std::string::npos);
        const std::string resized = "resize " + std::to_string(c.number) + " ";
        EXPECT_GE(wait_line(out, resized + std::to_string(g.width) + " " + std::to_string(g.height),
                            before),
                  0)
            << read_file(out);

        const std::size_t maximised = line_count(out);
        ASSERT_EQ(run({"wmctrl", "-i", "-r", window, "-b", "remove,maximized_vert,maximized_horz"},
                      xvfb->env())
                      .status,
                  0);
        EXPECT_GE(wait_line(out, resized + std::to_string(c.width) + " " + std::to_string(c.height),
                            maximised),
                  0)
            << read_file(out);
        g = geometry(window);
        EXPECT_EQ(g.width, c.width);
        EXPECT_EQ(g.height, c.height);
    }
}

// A click gives the keyboard to the clicked frame, the root or the free-standing child, and the
// keys typed next are that window's.
TEST_F(UnderOpenbox, KeyboardFocusFollowsClicks) {
    start(WmEcho);
    const std::string rootWindow = wait_window("Wm echo");
    const std::string childWindow = wait_window("Wm child");
    ASSERT_FALSE(rootWindow.empty() || childWindow.empty()) << read_file(dir.file("stderr.txt"));
    struct Step {
        const std::string* window;
        int number;
        const char* key;
        int code;
    };
    const Step steps[] = {{&childWindow, 1, "c", 'c'},
                          {&rootWindow, 0, "r", 'r'},
                          {&childWindow, 1, "d", 'd'},
                          {&rootWindow, 0, "s", 's'}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        const Geometry g = geometry(*step.window);
        click_at(g.x + g.width / 2, g.y + g.height / 2);
        ASSERT_TRUE(wait_until([&] {
            return std::strtoul(run({"xdotool", "getwindowfocus"}, xvfb->env()).out.c_str(),
                                nullptr, 10) == std::strtoul(step.window->c_str(), nullptr, 10);
        }));
        const std::size_t before = line_count(out);
        ASSERT_EQ(xdo({"key", step.key}), 0);
        const int at = wait_line(out, "key", before);
        ASSERT_GE(at, 0);
        EXPECT_EQ(lines_of(read_file(out))[static_cast<std::size_t>(at)],
                  "key " + std::to_string(step.number) + " " + std::to_string(step.code));
    }
}

} // namespace
