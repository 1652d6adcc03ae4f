// The formula dialog inside the running program, chosen from the menu and answered with its
// buttons: OK shows the results or reports the text that does not convert, Cancel hides it.
#include <gtest/gtest.h>

#include <string>

#include "demo_fixture.h"

namespace {

using demotest::Demo;
using demotest::key;
using formaldrix::general;

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

void press(int button) {
    const HWND d = formula_dialog();
    PostMessageA(d, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, button)));
}

TEST_F(Demo, FormulaFromTheMenuAndOkShowTheDefaultResults) {
    at_start([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0); });
    then([] {
        ASSERT_TRUE(formula_dialog());
        press(IDOK);
    });
    then([] {});
    run();
    EXPECT_GT(general.resultWindow, 0);
    EXPECT_EQ(general.xs[1], -12.0);
    EXPECT_EQ(general.ys[1], -0.8626814706838392);
    EXPECT_EQ(general.ys[6], 8.675036340189203);
    EXPECT_EQ(general.xs[10], 11.999999999999996);
}

// Each text that does not convert gives the message box; the results stay those of the first OK.
TEST_F(Demo, TextsThatDoNotConvertAreReportedAndChangeNothing) {
    const struct {
        int field;
        const char* text;
    } cases[] = {{1013, "abc"}, {1020, "4.5"}, {1015, "0"}, {1018, ""}};
    at_start([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0); });
    then([] { press(IDOK); });
    for (const auto& c : cases) {
        then([&c] {
            SetDlgItemTextA(formula_dialog(), c.field, c.text);
            press(IDOK);
        });
        then([&c] {
            EXPECT_TRUE(top_level_titled("Fehlerhafte Eingabe")) << c.text;
            EXPECT_EQ(general.ys[1], -0.8626814706838392) << c.text;
            key(VK_RETURN, '\r');
        });
        then([&c] {
            EXPECT_FALSE(top_level_titled("Fehlerhafte Eingabe")) << c.text;
            char restored[8];
            GetDlgItemTextA(formula_dialog(), c.field, restored, sizeof restored);
            EXPECT_STREQ(restored, c.text); // the user's text stays for correcting
            SetDlgItemTextA(formula_dialog(), c.field,
                            c.field == 1015   ? "2"
                            : c.field == 1020 ? "4"
                            : c.field == 1013 ? "1.0"
                                              : "12.0");
        });
    }
    run();
    EXPECT_EQ(general.xs[10], 11.999999999999996);
}

// Cancel, command 8 and a close request hide the dialog; it keeps its texts for the next showing.
TEST_F(Demo, CancelHidesTheDialogWithItsTexts) {
    bool hiddenByCancel = false, shownAgain = false;
    char kept[8] = {};
    at_start([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0); });
    then([] {
        SetDlgItemTextA(formula_dialog(), 1013, "7.5");
        press(IDCANCEL);
    });
    then([&] {
        hiddenByCancel = !IsWindowVisible(formula_dialog());
        PostMessageA(tess::window(0).frame, WM_COMMAND, 40005, 0);
    });
    then([&] {
        shownAgain = IsWindowVisible(formula_dialog());
        GetDlgItemTextA(formula_dialog(), 1013, kept, sizeof kept);
    });
    run();
    EXPECT_TRUE(hiddenByCancel);
    EXPECT_TRUE(shownAgain);
    EXPECT_STREQ(kept, "7.5");
    EXPECT_EQ(general.resultWindow, -1); // nothing was evaluated
}

TEST_F(Demo, InfoShowsModallyAndClosesWithOk) {
    bool shown = false, gone = false;
    at_start([] { PostMessageA(tess::window(0).frame, WM_COMMAND, 40006, 0); });
    then([&] {
        shown = top_level_titled("Info") != nullptr;
        key(VK_RETURN, '\r');
    });
    then([&] { gone = !top_level_titled("Info") || !IsWindowVisible(top_level_titled("Info")); });
    run();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(gone);
}

} // namespace
