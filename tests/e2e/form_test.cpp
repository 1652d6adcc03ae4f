// A form of the toolkit's dialogs on a real X server, worked by keyboard alone: text typed into
// two edit fields, an entry of a drop-down list picked, a radio button moved by arrows, OK by
// Enter, then the Yes/No question answered. The program prints what the field routines read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "harness.h"
#include "support/temp_dir.h"
#include "xvfb_test.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {

const std::string Program = FORM_ECHO_PATH;
const std::string Tool = X11_TOOL_PATH;

// Keys by xdotool's names, or text typed when it starts with '='.
using Keys = std::vector<std::string>;

struct Row {
    const char* what;
    Keys form;           // from the name field, which has the focus, to the end of the form
    std::string printed; // the form's line
    Keys box;            // the answer to the question; empty when the form is cancelled
    std::string answer;  // the answer's line
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.what;
}

// Results of the question: 1 Yes, 2 No.
const Row Rows[] = {
    {"arrows in the closed list, Enter answers Yes",
     {"=Anna", "Tab", "=Bonn", "Tab", "Down", "Tab", "Down", "Return"},
     "Formular: Name=Anna Ort=Bonn Farbe=Gruen Groesse=2 Fehler=0",
     {"Return"},
     "Antwort: 1"},
    {"list opened by Alt+Down, the mnemonic answers No",
     {"=Bo", "Tab", "=Ulm", "Tab", "alt+Down", "Down", "Down", "Return", "Tab", "Down", "Down",
      "Return"},
     "Formular: Name=Bo Ort=Ulm Farbe=Blau Groesse=3 Fehler=0",
     {"n"},
     "Antwort: 2"},
    {"a letter picks the entry, Up wraps in the group, Tab moves to No",
     {"=Eva", "Tab", "Tab", "b", "Tab", "Up", "Return"},
     "Formular: Name=Eva Ort= Farbe=Blau Groesse=3 Fehler=0",
     {"Tab", "Return"},
     "Antwort: 2"},
    {"Shift+Tab selects the text it returns to, End picks the last entry, Escape is no answer",
     {"=Li", "Tab", "=Rom", "shift+Tab", "=Max", "Tab", "Tab", "End", "Return"},
     "Formular: Name=Max Ort=Rom Farbe=Blau Groesse=1 Fehler=0",
     {"Escape", "y"},
     "Antwort: 1"},
    {"Escape cancels the form", {"=X", "Escape"}, "Formular: abgebrochen", {}, ""},
};

// The dialog's 180 x 110 units fill its X window, the client area.
struct Units {
    int x, y, width, height;
    int px(int u) const { return x + u * width / 180; }
    int py(int u) const { return y + u * height / 110; }
};

// A box of the dialog in its units.
struct Box {
    const char* what;
    int left, top, right, bottom;
};

// Calls f(x, y) for the box's pixels that lie on the screen.
template <typename F>
void each_pixel(const plat::Surface& shot, const Units& d, const Box& b, F f) {
    for (int y = std::max(d.py(b.top), 0); y < std::min(d.py(b.bottom), shot.height); ++y)
        for (int x = std::max(d.px(b.left), 0); x < std::min(d.px(b.right), shot.width); ++x)
            f(x, y);
}

// Dark pixels of the screen in the box.
int ink(const plat::Surface& shot, const Units& d, const Box& b) {
    int dark = 0;
    each_pixel(shot, d, b, [&](int x, int y) { dark += (shot.at(x, y) & 0xFF) < 0x80; });
    return dark;
}

// Pixels of the box that differ between two screens of the same size.
int changed(const plat::Surface& a, const plat::Surface& b, const Units& d, const Box& box) {
    if (a.width != b.width || a.height != b.height) return -1;
    int n = 0;
    each_pixel(a, d, box, [&](int x, int y) { n += a.at(x, y) != b.at(x, y); });
    return n;
}

class FormOnXvfb : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) return;
        Env env = xvfb->program_env();
        program = std::make_unique<Process>(std::vector<std::string>{Program}, env,
                                            dir.file("stderr.txt"), dir.file("stdout.txt"));
    }

    // The program's visible window with this title, given the keyboard; empty when none comes.
    std::string focused_window(const std::string& title) {
        std::string found;
        wait_until([&] {
            const auto windows =
                lines_of(run({"xdotool", "search", "--onlyvisible", "--pid",
                              std::to_string(program->pid()), "--all", "--name", "^" + title + "$"},
                             xvfb->env())
                             .out);
            found = windows.empty() ? "" : windows[0];
            return !found.empty();
        });
        if (!found.empty()) xdo({"windowfocus", "--sync", found});
        return found;
    }

    Units units_of(const std::string& window) {
        const Geometry g = window_geometry(xvfb->env(), window);
        return {g.x, g.y, g.width, g.height};
    }

    int xdo(std::vector<std::string> args) { return xdotool(xvfb->env(), std::move(args)); }

    void press(const Keys& keys) {
        for (const std::string& k : keys) {
            const int status = k.starts_with('=') ? xdo({"type", "--delay", "20", k.substr(1)})
                                                  : xdo({"key", "--delay", "20", k});
            ASSERT_EQ(status, 0) << k;
        }
    }

    std::vector<std::string> printed() { return lines_of(read_file(dir.file("stdout.txt"))); }
    bool wait_printed(std::size_t lines) {
        return wait_until([&] { return printed().size() >= lines; });
    }

    // The whole screen from the X server; kept when E2E_SHOTS names a folder.
    plat::Surface screenshot(const std::string& name) {
        const std::string path = dir.file(name);
        EXPECT_EQ(run({Tool, "shot", path}, xvfb->env()).status, 0);
        if (const char* keep = std::getenv("E2E_SHOTS"))
            std::filesystem::copy_file(path, std::string(keep) + "/" + name,
                                       std::filesystem::copy_options::overwrite_existing);
        return read_png(path);
    }

    testsupport::TempDir dir;
    std::unique_ptr<Process> program;
};

class FormRows : public FormOnXvfb, public ::testing::WithParamInterface<Row> {};

TEST_P(FormRows, FilledInAndAnsweredByKeyboard) {
    const Row& r = GetParam();
    SCOPED_TRACE(r.what);
    ASSERT_FALSE(focused_window("Formular").empty())
        << "no form; stderr: " << read_file(dir.file("stderr.txt"));
    ASSERT_NO_FATAL_FAILURE(press(r.form));
    ASSERT_TRUE(wait_printed(1)) << read_file(dir.file("stderr.txt"));
    EXPECT_EQ(printed()[0], r.printed);
    if (!r.box.empty()) {
        ASSERT_FALSE(focused_window("Frage").empty());
        ASSERT_NO_FATAL_FAILURE(press(r.box));
        ASSERT_TRUE(wait_printed(2));
        EXPECT_EQ(printed()[1], r.answer);
    }
    EXPECT_EQ(program->wait_exit(10s), 0);
    EXPECT_EQ(printed().size(), r.box.empty() ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, FormRows, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return "Row" + std::to_string(info.index);
                         });

TEST_F(FormOnXvfb, TheServerShowsWhatWasTyped) {
    const std::string form = focused_window("Formular");
    ASSERT_FALSE(form.empty()) << read_file(dir.file("stderr.txt"));
    const Units d = units_of(form);
    ASSERT_GT(d.width, 180) << "dialog units wider than pixels";
    const plat::Surface before = screenshot("tk-e2e-empty.png");
    ASSERT_GT(before.width, 0);
    ASSERT_NO_FATAL_FAILURE(press({"=Anna", "Tab", "=Bonn", "Tab", "Down", "Tab", "Down"}));
    const Box small{"Klein", 12, 64, 20, 74}, medium{"Mittel", 62, 64, 70, 74};
    plat::Surface after;
    // The dot moves to Mittel with the last key.
    ASSERT_TRUE(wait_until([&] {
        after = screenshot("tk-e2e-dialog.png");
        return after.width > 0 && ink(after, d, medium) > ink(before, d, medium);
    }));
    EXPECT_LT(ink(after, d, small), ink(before, d, small));
    // Inside the edit fields' and the list's borders.
    for (const Box& b : {Box{"name", 52, 8, 168, 16}, Box{"city", 52, 24, 168, 32},
                         Box{"colour", 52, 40, 110, 48}}) {
        SCOPED_TRACE(b.what);
        EXPECT_GT(changed(before, after, d, b), 20);
    }
    ASSERT_NO_FATAL_FAILURE(press({"Return"}));
    ASSERT_TRUE(wait_printed(1));
    EXPECT_EQ(printed()[0], "Formular: Name=Anna Ort=Bonn Farbe=Gruen Groesse=2 Fehler=0");
    // The question's text and buttons on the screen, where the form was.
    const std::string box = focused_window("Frage");
    ASSERT_FALSE(box.empty());
    const Units q = units_of(box);
    const plat::Surface question = screenshot("tk-e2e-question.png");
    ASSERT_GT(question.width, 0);
    const Units pixels{q.x, q.y, 180, 110}; // a unit a pixel
    EXPECT_GT(ink(question, pixels, Box{"box", 0, 0, q.width, q.height}), 100);
    ASSERT_NO_FATAL_FAILURE(press({"y"}));
    ASSERT_TRUE(wait_printed(2));
    EXPECT_EQ(printed()[1], "Antwort: 1");
}

} // namespace
