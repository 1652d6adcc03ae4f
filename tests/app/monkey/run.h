// One monkey run: the inputs played one at a time whenever the demo waits, the watch over its
// modal states, the way out forced when one lasts too long, the checkpoints of the sandbox.
#pragma once

#include <string>
#include <vector>

#include "gestures.h"
#include "last_words.h"
#include "sandbox.h"
#include "scene.h"

namespace monkey {

struct Settings {
    unsigned seed = 20261209;
    long inputs = 100000;
    // Inputs in a modal state before the monkey sends Escape, Alt+F4 or Enter, and how many more it
    // may take to leave before the run fails.
    int modalBound = 200;
    int leaveBound = 50;
    int checkpointEvery = 1000;
    int stallSeconds = 60;
};

// From TESS_MONKEY_SEED and TESS_MONKEY_INPUTS where set.
Settings settings_from_environment();

class Run {
public:
    Run(const Settings& settings, const Sandbox& sandbox);

    // Plays the next input into the waiting program; false when the run is over and the program
    // is to be closed.
    bool step();
    // The program ended (by the monkey's hand or at the run's end).
    void program_ended();
    bool over() const { return over_; }

    const Settings& settings() const { return settings_; }
    long played() const { return index_; }
    const Hands& hands() const { return hands_; }
    const Reached& reached() const { return reached_; }
    int forced() const { return forced_; }
    int guarded() const { return guarded_; }
    int longest_modal() const { return longestModal_; }
    int programs() const { return programs_; }
    int files_checked() const { return filesChecked_; }
    // Live GDI objects after a program ended: the most after the first ones, and after the last.
    int objects_settled() const { return objectsSettled_; }
    int objects_last() const { return objectsLast_; }
    const SandboxCheck& last_check() const { return lastCheck_; }
    // Every fault seen, each with the seed and the input it came at.
    const std::vector<std::string>& faults() const { return faults_; }

    void checkpoint();

private:
    void fault(const std::string& what);
    bool wind_down(const Scene& scene);

    Settings settings_;
    const Sandbox& sandbox_;
    Hands hands_;
    Reached reached_;
    LastWords lastWords_;
    long index_ = 0;
    int modalRun_ = 0;
    int longestModal_ = 0;
    int forced_ = 0;
    int guarded_ = 0;
    int windDown_ = 0;
    int programs_ = 1;
    int filesChecked_ = 0;
    int objectsSettled_ = 0;
    int objectsLast_ = 0;
    bool objectsGrew_ = false;
    bool over_ = false;
    SandboxCheck lastCheck_;
    std::vector<std::string> faults_;
};

} // namespace monkey
