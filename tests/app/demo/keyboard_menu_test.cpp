// The menu worked by keyboard late in a session: after the file dialogs and after the result
// window that had the focus was closed by its close box, Alt+H and Enter still show "Info".
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "demo_fixture.h"
#include "window/nonclient.h"

namespace {

using demotest::Demo;
using demotest::key;
using demotest::shown_titled;
using formaldrix::general;

void alt(int vk, char c) {
    plat::inject_key(VK_MENU, 0, true);
    key(vk, c);
    plat::inject_key(VK_MENU, 0, false);
}

void type_name(const std::string& name) {
    for (char c : name)
        key(std::toupper(static_cast<unsigned char>(c)), c);
    key(VK_RETURN, '\r');
}

TEST_F(Demo, InfoByKeyboardAfterSaveLoadAndClosingTheResultWindow) {
    HWND info = nullptr;
    bool focusInInfo = false, infoGone = false;
    at_start([] { alt('B', 'b'); });
    then([] { key(VK_RETURN, '\r'); }); // Formel ("Sin+Cos")
    then([] { key(VK_RETURN, '\r'); }); // OK: the table, its window focused
    then([] { alt('D', 'd'); });
    then([] { key('S', 's'); });
    then([] { type_name("werte.dat"); });
    then([] { alt('D', 'd'); });
    then([] { key('L', 'l'); });
    then([] { type_name("werte.dat"); });
    then([] {
        RECT r;
        GetWindowRect(tess::window(general.resultWindow).frame, &r);
        const POINT closeBox{r.right - 8, r.top + plat::ThickFrame + plat::CaptionHeight / 2};
        plat::inject_mouse_move(closeBox);
        plat::inject_mouse(closeBox, 0, true);
        plat::inject_mouse(closeBox, 0, false);
    });
    then([] { alt('H', 'h'); });
    then([] { key(VK_RETURN, '\r'); });
    then([&] {
        info = shown_titled("Info");
        focusInInfo = info && IsChild(info, GetFocus());
        key(VK_RETURN, '\r'); // its OK button
    });
    then([&] { infoGone = !shown_titled("Info"); });
    run();
    EXPECT_EQ(general.resultWindow, -1);
    ASSERT_NE(info, nullptr) << "the info dialog is not shown";
    EXPECT_TRUE(focusInInfo);
    EXPECT_TRUE(infoGone);
}

} // namespace
