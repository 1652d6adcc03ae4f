// What a refused argument must leave alone, taken before a call and compared after it: the
// public records, the window table, the text state (also as WInfoFont reports it), the error
// record's file and dialog status and debug level, the settings, the graphics state, the
// states of the root menu's items, focus and activation, and the presented image of every
// top-level toolkit frame. The error number itself is left out: each call checks its own.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include <windows.h>

#include "core/context.h"
#include "core/wwindow.h"
#include "graphics/graphics_state.h"
#include "public/infoerr.h"
#include "public/wwtext.h"
#include "support/presented.h"

namespace testsupport {

class StateSnapshot {
public:
    static StateSnapshot take() {
        StateSnapshot s;
        tess::Toolkit& t = tess::tk();
        s.add_record("tessar01 (window state)", t.tessar01);
        s.add_record("tessar02 (text-output mode)", t.tessar02);
        s.add_record("tessar03 (text state)", t.tessar03);
        s.add_record("tessar04 (dialog state)", t.tessar04);
        s.add_record("tessar05 (directory separator)", t.tessar05);
        for (std::size_t n = 0; n < t.core.slots.size(); ++n)
            s.add_record("window record " + std::to_string(n), t.core.slots[n]);
        s.add_values("current window and root",
                     {t.core.wIndex, t.core.wWindowOpen, t.core.wHideRoot, t.core.wCursorCode});
        s.add_record("modal owner", t.core.hWinCur);
        s.add_record("core text state", t.text);
        std::vector<int> info;
        for (int item = 1; item <= 10; ++item)
            info.push_back(WInfoFont(item));
        s.add_values("WInfoFont items 1 to 10", info);
        s.add_values("error record without the error number",
                     {t.errors.file_status, t.errors.dialog_status, t.errors.debug_level});
        s.add_record("settings", t.settings);
        s.add_values("bell", {t.bell});
        s.add_record("graphics attributes", t.graphics.state);
        s.add_record("graphics colour tables", t.graphics.colours.full);
        s.add_record("screen driver", t.graphics.driver);
        s.add_values("root menu item states", menu_states(t.menus.rootMenu));
        s.add_record("focus and active window", std::array<HWND, 2>{GetFocus(), GetActiveWindow()});
        for (std::size_t n = 0; n < t.core.slots.size(); ++n) {
            const HWND frame = t.core.slots[n].frame;
            if (!frame || GetParent(frame)) continue;
            RECT r{};
            GetWindowRect(frame, &r);
            s.add_record("frame rectangle of window " + std::to_string(n), r);
            const plat::Surface shown = presented_surface(frame);
            s.add_values("presented image of window " + std::to_string(n),
                         {shown.width, shown.height});
            s.parts_.back().bytes.insert(s.parts_.back().bytes.end(),
                                         reinterpret_cast<const std::byte*>(shown.pixels.begin()),
                                         reinterpret_cast<const std::byte*>(shown.pixels.end()));
        }
        return s;
    }

    // Further state a test wants compared as well.
    template <class T> void add_record(std::string name, const T& record) {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto* p = reinterpret_cast<const std::byte*>(&record);
        parts_.push_back({std::move(name), std::vector<std::byte>(p, p + sizeof record)});
    }
    void add_values(std::string name, const std::vector<int>& values) {
        const auto* p = reinterpret_cast<const std::byte*>(values.data());
        parts_.push_back(
            {std::move(name), std::vector<std::byte>(p, p + values.size() * sizeof(int))});
    }

    // Empty when nothing differs, else the names of the parts that changed.
    friend std::string differences(const StateSnapshot& before, const StateSnapshot& after) {
        std::string changed;
        if (before.parts_.size() != after.parts_.size()) return "the set of windows";
        for (std::size_t i = 0; i < before.parts_.size(); ++i)
            if (before.parts_[i].name != after.parts_[i].name ||
                before.parts_[i].bytes != after.parts_[i].bytes)
                changed += (changed.empty() ? "" : ", ") + after.parts_[i].name;
        return changed;
    }

private:
    struct Part {
        std::string name;
        std::vector<std::byte> bytes;
    };

    // Every item's flags, depth first, with each pop-up's item count in front of its items.
    static std::vector<int> menu_states(HMENU menu) {
        std::vector<int> states;
        if (!menu) return states;
        const int count = GetMenuItemCount(menu);
        states.push_back(count);
        for (int i = 0; i < count; ++i) {
            states.push_back(
                static_cast<int>(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)));
            if (const HMENU sub = GetSubMenu(menu, i)) {
                const std::vector<int> inner = menu_states(sub);
                states.insert(states.end(), inner.begin(), inner.end());
            }
        }
        return states;
    }

    std::vector<Part> parts_;
};

// One row of a bad-input table: a call and the error number it must record (0: none).
struct BadCall {
    std::string what;
    std::function<void()> call;
    int error;
};

// Runs the calls one after the other; each must record its error number and leave everything
// else as it found it.
inline void expect_only_errors(std::span<const BadCall> calls) {
    for (const BadCall& c : calls) {
        SCOPED_TRACE(c.what);
        InfoError(1);
        const StateSnapshot before = StateSnapshot::take();
        c.call();
        EXPECT_EQ(InfoError(1), c.error);
        EXPECT_EQ(differences(before, StateSnapshot::take()), "");
    }
}

} // namespace testsupport
