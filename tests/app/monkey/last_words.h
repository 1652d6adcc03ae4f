// The seed and the input being played, told on stderr when the process dies of a signal or a
// sanitizer report, or when the program stops taking input (a hang: then it is aborted).
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace monkey {

class LastWords {
public:
    // Installed for the life of the object; a hang is an input not taken for stallSeconds.
    LastWords(unsigned seed, int stallSeconds);
    ~LastWords();
    LastWords(const LastWords&) = delete;
    LastWords& operator=(const LastWords&) = delete;

    void at_input(long index) { index_.store(index, std::memory_order_relaxed); }

private:
    void watch(int stallSeconds);

    std::atomic<long> index_{-1};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread watcher_;
};

} // namespace monkey
