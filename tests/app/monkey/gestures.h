// The monkey's hands: random keys, clicks and drags, aimed so that the demo's menus, dialogs and
// message boxes are really reached, and the inputs that lead the demo out of a modal state.
#pragma once

#include <windows.h>

#include <array>
#include <random>
#include <string_view>

#include "scene.h"

namespace monkey {

enum class Gesture {
    Character,
    Burst,
    Tab,
    ShiftTab,
    Enter,
    Escape,
    AltLetter,
    Accelerator,
    Arrow,
    FunctionKey,
    Backspace,
    AltF4,
    Click,
    DoubleClick,
    RightClick,
    Drag,
    Count
};
constexpr std::size_t GestureCount = static_cast<std::size_t>(Gesture::Count);
std::string_view gesture_name(Gesture g);

class Hands {
public:
    explicit Hands(unsigned seed) : rng_(seed) {}

    // One random gesture, aimed at what the scene shows.
    Gesture play(const Scene& scene);
    // Plays exactly this gesture (the way out of a modal state: Escape or Alt+F4).
    void play(Gesture g, const Scene& scene);
    int count(Gesture g) const { return counts_[static_cast<std::size_t>(g)]; }

private:
    Gesture pick();
    char character();
    POINT aim(const Scene& scene);
    POINT inside(const RECT& r);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }

    std::mt19937 rng_;
    std::array<int, GestureCount> counts_{};
};

} // namespace monkey
