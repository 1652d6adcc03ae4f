// Formaldrix in Fortran on a headless screen: the formula dialog chosen from the menu, a field
// set and OK pressed; the program prints the ten value lines of the table it shows.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "core/winmain.h"
#include "core/wwindow.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace {

using testsupport::key;
using testsupport::ScriptedScreen;

HWND top_level_titled(const std::string& title) {
    HWND found = nullptr;
    plat::for_each_window([&](HWND w, const plat::Window&) {
        char text[80];
        GetWindowTextA(w, text, sizeof text);
        if (title == text) found = w;
    });
    return found;
}

HWND formula_dialog() {
    return top_level_titled("Formel - Berechnung");
}

// Replaces the file name the selection offers by typing, and accepts it.
void type_name(const std::string& name) {
    plat::inject_key(VK_CONTROL, 0, true);
    key('A', 1); // select all
    plat::inject_key(VK_CONTROL, 0, false);
    for (char c : name)
        key(std::toupper(static_cast<unsigned char>(c)), c);
    key(VK_RETURN, '\r');
}

void command(int id) {
    PostMessageA(tess::window(0).frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void press(int button) {
    const HWND d = formula_dialog();
    PostMessageA(d, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, button)));
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The table's ten value lines for the default parameters, without trailing blanks.
const std::vector<std::string> DefaultLines{
    "-12.000         -0.862681", " -9.333         -0.286417", " -6.667         -3.763408",
    " -4.000         -3.180993", " -1.333          4.740257", "  1.333          8.675036",
    "  4.000          2.927419", "  6.667         -2.181668", "  9.333         -0.558362",
    " 12.000          0.671411"};

class FortranDemo : public testsupport::ScriptedTest {
protected:
    // Runs the program to its end and returns what it printed.
    std::vector<std::string> run() {
        testing::internal::CaptureStdout();
        MainProgram();
        return lines_of(testing::internal::GetCapturedStdout());
    }
    void then(std::function<void()> step) { screen->steps.push_back(std::move(step)); }

    testsupport::TempDir dir{true};
};

// The number of terms is first set to 2, then back to 4: the first table must differ from the
// known one (the program read the field it was given), the second must be it to the last digit.
TEST_F(FortranDemo, FieldSetBeforeOkGivesTheKnownTenLinesOfTheDefaultParameters) {
    then([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0); });
    then([] {
        ASSERT_TRUE(formula_dialog());
        SetDlgItemTextA(formula_dialog(), 1020, "2");
        press(IDOK);
    });
    then([] {
        SetDlgItemTextA(formula_dialog(), 1020, "4");
        press(IDOK);
    });
    then([] {});
    const auto printed = run();
    ASSERT_EQ(printed.size(), 2 * DefaultLines.size());
    const std::vector<std::string> first(printed.begin(), printed.begin() + 10);
    const std::vector<std::string> second(printed.begin() + 10, printed.end());
    EXPECT_NE(first, DefaultLines);
    EXPECT_EQ(first[0].substr(0, 7), "-12.000"); // same x, other y
    EXPECT_EQ(second, DefaultLines);
}

// A text that does not convert shows the message box and prints nothing; the program keeps
// running and prints the table once the field is corrected.
TEST_F(FortranDemo, TextThatDoesNotConvertIsReportedAndPrintsNothing) {
    const struct {
        int field;
        const char* text;
        const char* corrected;
    } cases[] = {{1013, "abc", "1.0"}, {1020, "4.5", "4"}, {1015, "0", "2"}, {1018, "", "12.0"}};
    then([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0); });
    for (const auto& c : cases) {
        then([&c] {
            SetDlgItemTextA(formula_dialog(), c.field, c.text);
            press(IDOK);
        });
        then([&c] {
            EXPECT_TRUE(top_level_titled("Fehlerhafte Eingabe")) << c.field << " " << c.text;
            PostMessageA(top_level_titled("Fehlerhafte Eingabe"), WM_COMMAND, IDOK, 0);
        });
        then([&c] { SetDlgItemTextA(formula_dialog(), c.field, c.corrected); });
    }
    then([] { press(IDOK); });
    then([] {});
    EXPECT_EQ(run(), DefaultLines);
}

// Saving writes ten lines of 16 significant digits; loading reads pairs separated by commas
// or spread over lines, and shows (and prints) what it read.
TEST_F(FortranDemo, SaveWritesTheResultFileAndLoadReadsAnyLayout) {
    std::vector<std::string> saved;
    then([] { command(40005); });
    then([] { press(IDOK); });
    then([] { command(40011); });
    then([] { type_name("werte.dat"); });
    then([&] {
        std::ifstream in("werte.dat");
        for (std::string line; std::getline(in, line);)
            saved.push_back(line);
        std::ofstream out("komma.dat");
        for (int i = 1; i <= 10; ++i) {
            if (i % 3 == 0)
                out << "  " << i << "\n  " << i * 0.5 << "D0\n";
            else
                out << i << ".0," << i * 0.5 << " extra\n";
        }
    });
    then([] { command(40003); });
    then([] { type_name("komma.dat"); });
    then([] {});
    const auto printed = run();
    ASSERT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved.front(), " -12.00000000000000 -0.8626814706838392");
    EXPECT_EQ(saved.back(), " 12.00000000000000 0.6714111660537121");
    EXPECT_FALSE(std::filesystem::exists("werte.dat.tmp"));
    ASSERT_EQ(printed.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(printed.begin(), printed.begin() + 10), DefaultLines);
    EXPECT_EQ(printed[10], "  1.000          0.500000");
    EXPECT_EQ(printed[12], "  3.000          1.500000");
    EXPECT_EQ(printed[19], " 10.000          5.000000");
}

} // namespace
