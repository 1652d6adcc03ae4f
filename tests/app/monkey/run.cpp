#include "run.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/wwindow.h"
#include "gdi/objects.h"
#include "support/scripted_screen.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace monkey {

namespace {

// More than the double-click time between two inputs, so that only a double click is one;
// the program's timers run as they would at a user's pace.
constexpr DWORD PauseBetweenInputs = 600;

// Objects made once at first use (stock objects, caches) settle over the first programs; after
// them a program leaves no more behind than this.
constexpr int SettlingPrograms = 10;
constexpr int ObjectSlack = 20;

long number_from(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    return *end || v < 0 ? fallback : v;
}

// Escape and Alt+F4 close what can be cancelled; a box that only asks Yes or No takes neither,
// so Enter, its default button, comes in turn.
Gesture way_out(int attempt) {
    constexpr Gesture ways[] = {Gesture::Escape, Gesture::AltF4, Gesture::Enter};
    return ways[attempt % 3];
}

std::string states_of(const Scene& s) {
    std::string names;
    for (std::size_t i = 0; i < StateCount; ++i)
        if (s.shown[i])
            names += std::string(names.empty() ? "" : ", ") +
                     std::string(state_name(static_cast<State>(i)));
    return names.empty() ? "no dialog or menu" : names;
}

} // namespace

Settings settings_from_environment() {
    Settings s;
    s.seed = static_cast<unsigned>(number_from("TESS_MONKEY_SEED", s.seed));
    s.inputs = number_from("TESS_MONKEY_INPUTS", s.inputs);
    return s;
}

Run::Run(const Settings& settings, const Sandbox& sandbox)
    : settings_(settings), sandbox_(sandbox), hands_(settings.seed),
      lastWords_(settings.seed, settings.stallSeconds) {}

void Run::fault(const std::string& what) {
    faults_.push_back("seed " + std::to_string(settings_.seed) + ", input " +
                      std::to_string(index_) + ": " + what);
}

void Run::checkpoint() {
    lastCheck_ = sandbox_.check();
    filesChecked_ += lastCheck_.files;
    for (const std::string& f : lastCheck_.faults)
        fault(f);
}

// After the last input: out of every modal state, then the program is closed.
bool Run::wind_down(const Scene& scene) {
    if (!scene.modal() && !scene[State::MessageBox] && !scene.file_dialog() &&
        !scene[State::InfoDialog])
        return false;
    if (++windDown_ > settings_.leaveBound) {
        fault("the run's end: still in a modal state (" + states_of(scene) + ")");
        PostQuitMessage(0);
        return false;
    }
    hands_.play(way_out(windDown_), scene);
    return true;
}

bool Run::step() {
    if (over_) return false;
    plat::advance_clock(PauseBetweenInputs);
    const Scene scene = look(tess::window(0).frame);
    reached_.see(scene);
    if (index_ >= settings_.inputs) {
        over_ = !wind_down(scene);
        return !over_;
    }
    lastWords_.at_input(index_);
    if (index_ > 0 && index_ % settings_.checkpointEvery == 0) checkpoint();

    modalRun_ = scene.modal() ? modalRun_ + 1 : 0;
    if (modalRun_ > longestModal_) longestModal_ = modalRun_;
    if (modalRun_ > settings_.modalBound + settings_.leaveBound) {
        fault("a modal state not left after " + std::to_string(modalRun_) + " inputs (" +
              states_of(scene) + ")");
        PostQuitMessage(0); // every modal loop ends on it, then the program's own
        over_ = true;
        return false;
    }
    if (scene.file_dialog() && !sandbox_.holds(scene.fileDialogDirectory)) {
        // Out of the sandbox the dialog is cancelled before anything can be chosen there.
        hands_.play(Gesture::Escape, scene);
        ++guarded_;
    } else if (modalRun_ > settings_.modalBound) {
        hands_.play(way_out(modalRun_), scene);
        ++forced_;
    } else {
        hands_.play(scene);
    }
    ++index_;
    return true;
}

void Run::program_ended() {
    int live = 0;
    plat::for_each_window([&](HWND, const plat::Window&) { ++live; });
    if (live) fault(std::to_string(live) + " windows left after the program ended");
    objectsLast_ = plat::live_object_count();
    if (programs_ <= SettlingPrograms) {
        objectsSettled_ = std::max(objectsSettled_, objectsLast_);
    } else if (objectsLast_ > objectsSettled_ + ObjectSlack && !objectsGrew_) {
        objectsGrew_ = true;
        fault("GDI objects left behind: " + std::to_string(objectsLast_) + " after program " +
              std::to_string(programs_) + ", at most " + std::to_string(objectsSettled_) +
              " after the first " + std::to_string(SettlingPrograms));
    }
    if (!over_) ++programs_;
}

} // namespace monkey
