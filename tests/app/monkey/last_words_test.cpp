// A monkey run that dies or hangs still names its seed and the input it was playing.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

#include "last_words.h"

namespace {

TEST(MonkeyLastWords, ADeathOrAHangTellsTheSeedAndTheInput) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* what;
        std::function<void()> die;
        const char* told;
    };
    const Case cases[] = {
        {"an abort",
         [] {
             monkey::LastWords words(7, 60);
             words.at_input(42);
             std::abort();
         },
         "monkey: seed 7, input 42\n"},
        {"a hang",
         [] {
             monkey::LastWords words(123456, 1);
             words.at_input(99999);
             std::this_thread::sleep_for(std::chrono::seconds(10));
         },
         "a hang\nmonkey: seed 123456, input 99999\n"},
    };
    for (const Case& c : cases)
        EXPECT_DEATH(c.die(), c.told) << c.what;
}

} // namespace
