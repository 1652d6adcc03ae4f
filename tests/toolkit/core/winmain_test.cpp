// The process entry: the main program runs under a handler that reports faults and flushes.
#include "core/winmain.h"

#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

#include "support/temp_dir.h"

namespace {
std::function<void()> program;
}

void MainProgram() { program(); }

namespace {

TEST(WinMainTest, ReturnsOneWhenTheMainProgramReturns) {
    int ran = 0;
    program = [&] { ++ran; };
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, 1), 1);
    EXPECT_EQ(ran, 1);
}

TEST(WinMainDeathTest, FaultIsReportedAndBufferedOutputSurvives) {
    testsupport::TempDir dir;
    const std::string path = dir.file("partial.txt");
    program = [&] {
        std::FILE* f = std::fopen(path.c_str(), "w");
        std::fputs("written before the fault", f); // still in the stdio buffer
        std::raise(SIGSEGV);
    };
    EXPECT_EXIT(WinMain(nullptr, nullptr, nullptr, 1), ::testing::KilledBySignal(SIGSEGV),
                "unexpected fault: access violation");
    EXPECT_EQ(testsupport::read_all(path), "written before the fault");
}

TEST(WinMainDeathTest, EscapingExceptionIsReportedWithItsText) {
    program = [] { throw std::runtime_error("formula went wrong"); };
    EXPECT_EXIT(WinMain(nullptr, nullptr, nullptr, 1), ::testing::ExitedWithCode(3),
                "unexpected fault: formula went wrong");
}

} // namespace
