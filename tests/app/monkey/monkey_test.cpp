// The monkey test: Formaldrix on the headless screen takes random keys, clicks and drags, one
// whenever it waits, and must neither crash, hang, leak nor leave a broken file behind; its
// menus, dialogs and message boxes must all have been reached. TESS_MONKEY_SEED and
// TESS_MONKEY_INPUTS choose the run; a failure names the seed and the input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "app/demo/demo_fixture.h"
#include "general.h"
#include "result_file.h"
#include "run.h"

namespace {

using namespace monkey;

// What the file dialogs find: a good file, broken ones, one in a folder below.
std::map<std::string, std::string> seed_files() {
    formaldrix::Points xs{}, ys{};
    for (int i = 1; i <= formaldrix::PointCount; ++i) {
        xs[i] = i;
        ys[i] = -0.5 * i;
    }
    const std::string whole = formaldrix::result_file_text(xs, ys);
    return {{"gut.dat", whole},
            {"kurz.dat", "1 2\n3 4\n"},
            {"text.dat", " eins zwei\n"},
            {"leer.dat", ""},
            {"unter/tief.dat", whole}};
}

class MonkeyTest : public demotest::Demo {
protected:
    // Plays the whole run into the demo, starting it again whenever the monkey ended it
    // (Alt+F4, "Ende", the close box).
    void play(monkey::Run& run) {
        std::function<void()> next = [&] {
            screen->idle = 0;
            if (run.step()) screen->steps.push_back(next);
        };
        screen->steps.push_back(next);
        while (!run.over()) {
            MainProgram();
            run.program_ended();
            plat::reset_queue();
            plat::reset_input();
            formaldrix::general = formaldrix::General{};
            if (screen->steps.empty() && !run.over()) screen->steps.push_back(next);
        }
        run.checkpoint();
    }
};

// Every file of a directory below it, by relative name, with its bytes.
std::map<std::string, std::string> files_in(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[std::filesystem::relative(e.path(), dir).string()] =
                testsupport::read_all(e.path().string());
    return files;
}

void report(const monkey::Run& run, double seconds) {
    std::printf("monkey: seed %u, %ld inputs in %.1f s, %d program starts\n", run.settings().seed,
                run.played(), seconds, run.programs());
    std::printf("monkey: inputs by kind:");
    for (std::size_t g = 0; g < GestureCount; ++g)
        std::printf(" %s %d%s", std::string(gesture_name(static_cast<Gesture>(g))).c_str(),
                    run.hands().count(static_cast<Gesture>(g)), g + 1 < GestureCount ? "," : "\n");
    std::printf("monkey: reached:");
    for (std::size_t s = 0; s < StateCount; ++s)
        std::printf(" %s %d%s", std::string(state_name(static_cast<State>(s))).c_str(),
                    run.reached().count(static_cast<State>(s)), s + 1 < StateCount ? "," : "\n");
    std::printf("monkey: longest modal stretch %d inputs, %d ways out forced, %d file dialogs "
                "cancelled outside the sandbox\n",
                run.longest_modal(), run.forced(), run.guarded());
    std::printf("monkey: files: %d checked at checkpoints, %d at the end, %d written by the demo\n",
                run.files_checked(), run.last_check().files, run.last_check().written);
    std::printf("monkey: live GDI objects after a program ended: at most %d after the first "
                "ones, %d after the last\n",
                run.objects_settled(), run.objects_last());
}

TEST_F(MonkeyTest, RandomInputReachesEveryStateAndLeavesOnlyWholeFiles) {
    const Settings settings = settings_from_environment();
    SCOPED_TRACE("TESS_MONKEY_SEED=" + std::to_string(settings.seed) +
                 " TESS_MONKEY_INPUTS=" + std::to_string(settings.inputs));
    const Sandbox sandbox(dir.path(), seed_files());
    std::filesystem::current_path(sandbox.path());
    const auto start = std::chrono::steady_clock::now();
    {
        monkey::Run monkeyRun(settings, sandbox);
        play(monkeyRun);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        report(monkeyRun, seconds);
        for (const std::string& f : monkeyRun.faults())
            ADD_FAILURE() << f;
        EXPECT_EQ(monkeyRun.played(), settings.inputs);
        // Saving needs a result first: short runs may not get that far.
        if (settings.inputs >= 10000) {
            for (std::size_t s = 0; s < StateCount; ++s)
                EXPECT_GT(monkeyRun.reached().count(static_cast<State>(s)), 0)
                    << state_name(static_cast<State>(s)) << " was never reached";
            EXPECT_GT(monkeyRun.last_check().written, 0) << "the demo never saved a file";
        }
    }
    // Nothing was written beside the sandbox.
    std::vector<std::string> beside;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().filename() != "sandbox") beside.push_back(e.path().filename().string());
    EXPECT_TRUE(beside.empty()) << beside.front();
}

// The same seed plays the same run: the same inputs, the same states reached, the same files.
TEST_F(MonkeyTest, TheSameSeedPlaysTheSameRun) {
    struct Outcome {
        std::vector<int> gestures, reached;
        int programs = 0;
        std::map<std::string, std::string> files;
    };
    const auto outcome = [&](unsigned seed) {
        Settings settings;
        settings.seed = seed;
        settings.inputs = 600;
        const testsupport::TempDir parent; // each run's sandbox alone in its own
        const Sandbox sandbox(parent.path(), seed_files());
        std::filesystem::current_path(sandbox.path());
        monkey::Run run(settings, sandbox);
        play(run);
        for (const std::string& f : run.faults())
            ADD_FAILURE() << f;
        Outcome o;
        for (std::size_t g = 0; g < GestureCount; ++g)
            o.gestures.push_back(run.hands().count(static_cast<Gesture>(g)));
        for (std::size_t st = 0; st < StateCount; ++st)
            o.reached.push_back(run.reached().count(static_cast<State>(st)));
        o.programs = run.programs();
        o.files = files_in(sandbox.path());
        std::filesystem::current_path(dir.path());
        TearDown();
        SetUp();
        return o;
    };
    const Outcome first = outcome(77), again = outcome(77), other = outcome(78);
    EXPECT_EQ(first.gestures, again.gestures);
    EXPECT_EQ(first.reached, again.reached);
    EXPECT_EQ(first.programs, again.programs);
    EXPECT_EQ(first.files, again.files);
    EXPECT_NE(first.gestures, other.gestures);
}

} // namespace
