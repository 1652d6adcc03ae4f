// Formaldrix used as a user would, on a private Xvfb: only X input (xdotool) goes in, and only
// the server's pixels and the file the demo writes are read back. E2E_SHOTS=<folder> keeps the
// screenshots (demo-e2e-*.png); DEMO_README_SHOT=<file.png> takes the demo's frame with the
// formula dialog and the first table.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include <windows.h>

#include "gdi/png_writer.h"
#include "harness.h"
#include "support/temp_dir.h"
#include "xvfb_test.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {

const std::string Demo = DEMO_PATH;
const std::string Tool = X11_TOOL_PATH;
const std::string Title = "^Formaldrix - Pellarin GmbH, Altbruck$";
constexpr int MenuBarHeight = 19;

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    bool empty() const { return right <= left || bottom <= top; }
};

bool is_ink(plat::Pixel p) {
    return ((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80;
}

// The bounding box of the pixels of one colour inside `area`.
Box bounds_of(const plat::Surface& shot, const Box& area, plat::Pixel colour) {
    Box b{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (shot.contains(x, y) && shot.at(x, y) == colour) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
            }
    return b;
}

// A caption inside `area`, active or not.
Box caption_in(const plat::Surface& shot, const Box& area) {
    const Box active =
        bounds_of(shot, area, plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION)));
    if (!active.empty()) return active;
    return bounds_of(shot, area, plat::pixel_from_colorref(GetSysColor(COLOR_INACTIVECAPTION)));
}

// Runs of rows of `area` holding ink: the text lines written there.
std::vector<Box> ink_bands(const plat::Surface& shot, const Box& area) {
    std::vector<Box> bands;
    bool inBand = false;
    for (int y = area.top; y < area.bottom; ++y) {
        int ink = 0;
        for (int x = area.left; x < area.right; ++x)
            ink += shot.contains(x, y) && is_ink(shot.at(x, y));
        if (ink > 0 && !inBand) bands.push_back({area.left, y, area.right, y + 1});
        if (ink > 0) bands.back().bottom = y + 1;
        inBand = ink > 0;
    }
    return bands;
}

std::string describe(const std::vector<Box>& bands) {
    std::string s;
    for (const Box& b : bands)
        s += std::to_string(b.top) + "-" + std::to_string(b.bottom) + " ";
    return s;
}

// The numbers of a result file, read as a user's tool would: whitespace-separated.
std::vector<double> numbers_in(const std::string& text) {
    std::vector<double> out;
    std::istringstream in(text);
    for (double v; in >> v;)
        out.push_back(v);
    return out;
}

class DemoUsedOnXvfb : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) return;
        Env env = xvfb->program_env();
        env["TESS_TRACE"] = "";
        env["TESSINIT"] = work.file("tessar.ini");
        program =
            std::make_unique<Process>(std::vector<std::string>{Demo}, env, work.file("stderr.txt"));
        frameWindow = wait_window(Title);
        ASSERT_FALSE(frameWindow.empty()) << read_file(work.file("stderr.txt"));
        ASSERT_EQ(xdo({"windowfocus", "--sync", frameWindow}), 0);
        frame = geometry_of(frameWindow);
        client = {frame.left, frame.top + MenuBarHeight, frame.right, frame.bottom};
    }

    int xdo(std::vector<std::string> args) { return xdotool(xvfb->env(), std::move(args)); }
    std::vector<std::string> visible_windows(const std::string& title) {
        return lines_of(run({"xdotool", "search", "--onlyvisible", "--pid",
                             std::to_string(program->pid()), "--all", "--name", title},
                            xvfb->env())
                            .out);
    }
    std::string wait_window(const std::string& title) {
        std::string found;
        wait_until([&] {
            const auto w = visible_windows(title);
            found = w.empty() ? "" : w[0];
            return !found.empty();
        });
        return found;
    }
    bool window_gone(const std::string& title) {
        return wait_until([&] { return visible_windows(title).empty(); });
    }
    Box geometry_of(const std::string& id) {
        const Geometry g = window_geometry(xvfb->env(), id);
        return {g.x, g.y, g.x + g.width, g.y + g.height};
    }
    void click_at(int x, int y) {
        ASSERT_EQ(xdo({"mousemove", "--sync", std::to_string(x), std::to_string(y)}), 0);
        ASSERT_EQ(xdo({"click", "1"}), 0);
    }
    // Opens a menu by Alt and its mnemonic, then chooses an item by its key.
    void menu(const std::string& alt, const std::string& item) {
        ASSERT_EQ(xdo({"key", "alt+" + alt}), 0);
        std::this_thread::sleep_for(200ms); // the pop-up takes the next key once it is up
        ASSERT_EQ(xdo({"key", item}), 0);
    }

    plat::Surface screenshot(const std::string& name) {
        const std::string path = work.file(name);
        EXPECT_EQ(run({Tool, "shot", path}, xvfb->env()).status, 0);
        if (const char* keep = std::getenv("E2E_SHOTS"))
            std::filesystem::copy_file(path, std::string(keep) + "/" + name,
                                       std::filesystem::copy_options::overwrite_existing);
        return read_png(path);
    }

    // The result window: from 65 % to 95 % of the client's width and 1 % to 51 % of its height.
    Box result_area() const {
        const int w = client.right - client.left, h = client.bottom - client.top;
        return {client.left + w * 65 / 100, client.top + h / 100, client.left + w * 95 / 100,
                client.top + h * 51 / 100};
    }
    // Its text lines, below its caption and inside its frame.
    std::vector<Box> table_lines(const plat::Surface& shot) {
        Box area = result_area();
        const Box caption = caption_in(shot, {area.left, client.top, area.right, area.bottom});
        if (!caption.empty()) area.top = caption.bottom + 1;
        area.left += 8;
        area.right -= 8;
        area.bottom -= 8;
        return ink_bands(shot, area);
    }
    // Waits for the table to show `count` lines; returns the last screenshot.
    plat::Surface wait_table(const std::string& name, std::size_t count) {
        plat::Surface shot;
        wait_until([&] {
            shot = screenshot(name);
            return table_lines(shot).size() == count;
        });
        return shot;
    }
    // The pixels of the result window's text, for comparing two tables.
    std::vector<plat::Pixel> table_pixels(const plat::Surface& shot) {
        std::vector<plat::Pixel> out;
        for (const Box& line : table_lines(shot))
            for (int y = line.top; y < line.bottom; ++y)
                for (int x = line.left; x < line.right; ++x)
                    out.push_back(shot.at(x, y));
        return out;
    }

    // The file dialog with `title`: the name typed into its name field (which has the focus,
    // its text selected) and Enter.
    void choose_file(const std::string& title, const std::string& shotName,
                     const std::string& path) {
        const std::string dialog = wait_window("^" + title + "$");
        ASSERT_FALSE(dialog.empty()) << "no file dialog " << title;
        ASSERT_EQ(xdo({"windowfocus", "--sync", dialog}), 0);
        if (!shotName.empty()) {
            const plat::Surface shot = screenshot(shotName);
            const Box g = geometry_of(dialog);
            // Its list and name field in the window colour, its face in the button colour.
            EXPECT_FALSE(
                bounds_of(shot, g, plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW))).empty());
            EXPECT_EQ(shot.at(g.left + 3, g.bottom - 3),
                      plat::pixel_from_colorref(GetSysColor(COLOR_BTNFACE)));
        }
        ASSERT_EQ(xdo({"type", "--delay", "5", path}), 0);
        ASSERT_EQ(xdo({"key", "Return"}), 0);
        EXPECT_TRUE(window_gone("^" + title + "$"));
    }

    testsupport::TempDir work;
    std::unique_ptr<Process> program;
    std::string frameWindow;
    Box frame, client;
};

TEST_F(DemoUsedOnXvfb, FormulaResultSaveLoadInfoAndEnd) {
    const plat::Pixel caption = plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION));
    const plat::Pixel background = plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW));

    // Berechnung, Formel ("Sin+Cos"): the dialog in the left part of the client area.
    ASSERT_NO_FATAL_FAILURE(menu("b", "Return"));
    const Box left = {client.left, client.top, client.left + (client.right - client.left) / 2,
                      client.bottom};
    Box dialog;
    ASSERT_TRUE(wait_until([&] {
        // The caption may still be on its way to the server in bands: wait for all of it.
        dialog = bounds_of(screenshot("demo-e2e-formula.png"), left, caption);
        return !dialog.empty() && dialog.right - dialog.left > 250;
    })) << "no formula dialog";
    EXPECT_GT(dialog.right - dialog.left, 250) << "a caption as wide as the dialog";
    {
        // The caption alone: the rows of its colour at its left end (the selection in a field
        // has that colour too).
        const plat::Surface first = screenshot("demo-e2e-formula.png");
        int bottom = dialog.top;
        while (bottom < dialog.bottom && first.at(dialog.left + 1, bottom) == caption)
            ++bottom;
        dialog.bottom = bottom;
    }
    EXPECT_TRUE(table_lines(screenshot("demo-e2e-formula.png")).empty());

    // OK by Enter: the table of the default parameters, a heading, a rule and ten lines.
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    plat::Surface shot = wait_table("demo-e2e-result.png", 12);
    const std::vector<Box> lines = table_lines(shot);
    ASSERT_EQ(lines.size(), 12u) << describe(lines);
    for (std::size_t i = 4; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].top - lines[i - 1].top, lines[3].top - lines[2].top)
            << "the value lines evenly spaced, line " << i;
    const std::vector<plat::Pixel> defaults = table_pixels(shot);
    // The picture for the README: the demo's frame with the dialog and the table.
    if (const char* readme = std::getenv("DEMO_README_SHOT")) {
        plat::Surface crop(frame.right - frame.left, frame.bottom - frame.top);
        for (int y = 0; y < crop.height; ++y)
            for (int x = 0; x < crop.width; ++x)
                crop.row(y)[x] = shot.contains(frame.left + x, frame.top + y)
                                     ? shot.at(frame.left + x, frame.top + y)
                                     : 0;
        std::string error;
        EXPECT_TRUE(plat::save_png(crop, readme, &error)) << readme << ": " << error;
    }

    // x (min.) changed by typing: the field is right of a= in the dialog's first row of fields;
    // a click in it, End, the old text rubbed out, the new one typed, Enter for OK.
    const int dialogWidth = dialog.right - dialog.left;
    click_at(dialog.left + dialogWidth * 205 / 250, dialog.bottom + 100);
    ASSERT_EQ(xdo({"key", "End"}), 0);
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(xdo({"key", "BackSpace"}), 0);
    ASSERT_EQ(xdo({"type", "--", "-10"}), 0);
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    std::vector<plat::Pixel> changed;
    ASSERT_TRUE(wait_until([&] {
        shot = screenshot("demo-e2e-changed.png");
        changed = table_pixels(shot);
        return table_lines(shot).size() == 12 && changed != defaults;
    })) << "the table did not change";

    // Datei, Speichern: the name typed into the save dialog.
    testsupport::TempDir files;
    const std::string saved = files.file("sincos.dat");
    ASSERT_NO_FATAL_FAILURE(menu("d", "s"));
    ASSERT_NO_FATAL_FAILURE(choose_file("Speicher Ergebnis in Datei", "demo-e2e-file.png", saved));
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(saved); }));
    const std::string text = read_file(saved);
    const std::vector<std::string> fileLines = lines_of(text);
    ASSERT_EQ(fileLines.size(), 10u) << text;
    EXPECT_TRUE(fileLines[0].starts_with(" -10.00000000000000 ")) << fileLines[0];
    EXPECT_TRUE(fileLines[9].starts_with(" 12.00000000000000 ")) << fileLines[9];
    const std::vector<double> numbers = numbers_in(text);
    ASSERT_EQ(numbers.size(), 20u) << text;

    // Back to the defaults by OK, then Datei, Laden of the saved file: the changed table again.
    click_at(dialog.left + dialogWidth * 205 / 250, dialog.bottom + 100);
    ASSERT_EQ(xdo({"key", "End"}), 0);
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(xdo({"key", "BackSpace"}), 0);
    ASSERT_EQ(xdo({"type", "--", "-12.0"}), 0);
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    ASSERT_TRUE(
        wait_until([&] { return table_pixels(screenshot("demo-e2e-again.png")) == defaults; }));
    ASSERT_NO_FATAL_FAILURE(menu("d", "l"));
    ASSERT_NO_FATAL_FAILURE(choose_file("Lade Ergebnisse aus Datei", "", saved));
    EXPECT_TRUE(wait_until([&] {
        return table_pixels(screenshot("demo-e2e-loaded.png")) == changed;
    })) << "the loaded table differs from the saved one";

    // The result window's close box, at the right end of its caption.
    shot = screenshot("demo-e2e-loaded.png");
    const Box area = result_area();
    const Box resultCaption = caption_in(shot, {area.left, client.top, area.right, area.bottom});
    ASSERT_FALSE(resultCaption.empty()) << "no caption on the result window";
    // Its frame stands at 1 % of the client's height: the whole caption is below the menu bar.
    EXPECT_GT(resultCaption.top, client.top);
    EXPECT_GE(resultCaption.bottom - resultCaption.top, 16) << "the caption partly hidden";
    click_at(resultCaption.right - 8, resultCaption.bottom - 3);
    EXPECT_TRUE(wait_until([&] {
        const plat::Surface s = screenshot("demo-e2e-closed.png");
        return table_lines(s).empty() &&
               s.at((area.left + area.right) / 2, (area.top + area.bottom) / 2) == background;
    })) << "the result window stays";

    // Hilfe, Info by keyboard.
    ASSERT_NO_FATAL_FAILURE(menu("h", "Return"));
    const std::string info = wait_window("^Info$");
    ASSERT_FALSE(info.empty()) << "no info dialog";
    ASSERT_EQ(xdo({"windowfocus", "--sync", info}), 0);
    shot = screenshot("demo-e2e-info.png");
    const Box g = geometry_of(info);
    EXPECT_GT(ink_bands(shot, g).size(), 2u) << "text and picture in the info dialog";
    ASSERT_EQ(xdo({"key", "Return"}), 0);
    EXPECT_TRUE(window_gone("^Info$"));

    // Datei, Ende.
    ASSERT_EQ(xdo({"windowfocus", "--sync", frameWindow}), 0);
    ASSERT_NO_FATAL_FAILURE(menu("d", "e"));
    EXPECT_EQ(program->wait_exit(10s), 0) << read_file(work.file("stderr.txt"));
}

} // namespace
