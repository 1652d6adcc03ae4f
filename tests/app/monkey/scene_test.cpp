// The monkey's eyes: each state of the demo, reached the way a user reaches it, is named as
// that state and no other, and a modal one is seen as modal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/demo/demo_fixture.h"
#include "scene.h"

namespace {

using demotest::key;
using monkey::Scene;
using monkey::State;

void command(int id) {
    PostMessageA(tess::window(0).frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void type(const std::string& text) {
    for (char c : text)
        key(std::toupper(static_cast<unsigned char>(c)), c);
    key(VK_RETURN, '\r');
}

class MonkeyScene : public demotest::Demo {};

TEST_F(MonkeyScene, EachStateIsNamedAsItselfAndModalWhenItIs) {
    struct Case {
        const char* what;
        std::vector<std::function<void()>> reach, leave;
        std::vector<State> shown;
        bool modal;
    };
    const auto escape = [] { key(VK_ESCAPE, 27); };
    const auto altD = [] {
        plat::inject_key(VK_MENU, 0, true);
        key('D', 'd');
        plat::inject_key(VK_MENU, 0, false);
    };
    const auto formulaOk = [] {
        PostMessageA(demotest::shown_titled("Formel - Berechnung"), WM_COMMAND, IDOK, 0);
    };
    const Case cases[] = {
        {"nothing but the frame", {}, {}, {}, false},
        {"a menu by Alt+D", {altD}, {escape, escape}, {State::Menu}, true},
        {"the menu bar by F10", {[] { key(VK_F10); }}, {escape}, {State::Menu}, true},
        {"the formula dialog", {[] { command(40005); }}, {escape}, {State::FormulaDialog}, false},
        {"the information dialog", {[] { command(40006); }}, {escape}, {State::InfoDialog}, true},
        {"the open dialog", {[] { command(40003); }}, {escape}, {State::OpenDialog}, true},
        {"the open dialog's question",
         {[] { command(40003); }, [] { type("fehlt"); }},
         {[] { key('N', 'n'); }, escape},
         {State::MessageBox, State::OpenDialog},
         true},
        {"the save dialog",
         {[] { command(40005); }, formulaOk, [] { command(40011); }},
         {escape},
         {State::FormulaDialog, State::SaveDialog},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene seen;
        for (const auto& step : c.reach)
            then(step);
        then([&] { seen = monkey::look(tess::window(0).frame); });
        for (const auto& step : c.leave)
            then(step);
        run();
        for (std::size_t s = 0; s < monkey::StateCount; ++s) {
            const State state = static_cast<State>(s);
            const bool expected = std::find(c.shown.begin(), c.shown.end(), state) != c.shown.end();
            EXPECT_EQ(seen[state] != nullptr, expected) << monkey::state_name(state);
        }
        EXPECT_EQ(seen.modal(), c.modal);
        if (seen.file_dialog()) {
            EXPECT_EQ(seen.fileDialogDirectory, std::filesystem::current_path().string());
        }
        EXPECT_EQ(seen.tops.back(), seen.frame);
        EXPECT_EQ(monkey::look(nullptr).modalDepth, 0); // every state was left
        TearDown();
        SetUp();
    }
}

} // namespace
