// What the demo shows at a moment, as a user would name it: the menu, the formula dialog, the
// information dialog, a message box, the open and save dialogs; and whether a modal loop runs.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace monkey {

enum class State { Menu, FormulaDialog, InfoDialog, MessageBox, OpenDialog, SaveDialog, Count };
constexpr std::size_t StateCount = static_cast<std::size_t>(State::Count);
std::string_view state_name(State s);

struct Scene {
    HWND frame = nullptr; // the demo's root frame
    std::array<HWND, StateCount> shown{};
    int modalDepth = 0;
    // Visible top-level windows other than the frame, topmost first (dialogs, pop-up menus,
    // drop-down lists), then the frame.
    std::vector<HWND> tops;
    // The directory the open or save dialog shows ("..." at its start when it did not fit).
    std::string fileDialogDirectory;

    HWND operator[](State s) const { return shown[static_cast<std::size_t>(s)]; }
    bool modal() const { return modalDepth > 0; }
    HWND file_dialog() const {
        return (*this)[State::OpenDialog] ? (*this)[State::OpenDialog] : (*this)[State::SaveDialog];
    }
};

Scene look(HWND frame);

// Counts how often each state was entered (shown after an input while it was not before).
class Reached {
public:
    void see(const Scene& scene);
    int count(State s) const { return counts_[static_cast<std::size_t>(s)]; }

private:
    std::array<int, StateCount> counts_{};
    std::array<bool, StateCount> before_{};
};

} // namespace monkey
