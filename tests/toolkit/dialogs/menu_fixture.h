// A root frame for the menu tests, standing where WindowOpen leaves it: a frame with the demo's
// menu and a client window in window slot 0, and the menu's resources loaded. Its procedure
// does what the toolkit's frame procedure does for menus (lays out the client below the
// toolbar, answers tip requests) and records what the tests look at.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "menu_ids.h"
#include "public/infoerr.h"
#include "util/error_record.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace menutest {

struct FrameLog {
    int ncPaints = 0;
    std::vector<WPARAM> commands;
    std::vector<HMENU> popups; // WM_INITMENUPOPUP, in order
    // Run one per WM_ENTERIDLE while a menu is open; when they run out the menu is closed.
    std::deque<std::function<void()>> idleSteps;
};
FrameLog& frame_log();

void key(int vk, char c = 0);
void click(POINT p);
POINT centre(const RECT& r);

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Dispatches everything waiting, paints included.
    void pump();
    // WM_NCPAINTs of the frame during f, after everything before it has been painted.
    int bar_redraws(const std::function<void()>& f);

    UINT state(HMENU menu, UINT position) { return GetMenuState(menu, position, MF_BYPOSITION); }
    std::string text(HMENU menu, UINT position);
    HMENU bar() const { return tess::tk().menus.rootMenu; }
    HMENU file() const { return GetSubMenu(tess::tk().menus.rootMenu, 0); }

    plat::HeadlessBackend* screen = nullptr;
    HWND frame = nullptr;
    HWND client = nullptr;
};

} // namespace menutest
