#include "last_words.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MONKEY_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_ASAN 1
#endif
#ifdef MONKEY_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace monkey {

namespace {

std::atomic<unsigned> seedNow{0};
std::atomic<long>* indexNow = nullptr;

// Only async-signal-safe calls: digits by hand, one write.
void tell() {
    char text[96] = "monkey: seed ";
    std::size_t n = 13;
    const auto put = [&](unsigned long v) {
        char digits[24];
        int k = 0;
        do {
            digits[k++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v);
        while (k)
            text[n++] = digits[--k];
    };
    put(seedNow.load());
    for (const char* s = ", input "; *s; ++s)
        text[n++] = *s;
    const long i = indexNow ? indexNow->load() : -1;
    if (i < 0)
        text[n++] = '-';
    else
        put(static_cast<unsigned long>(i));
    text[n++] = '\n';
    [[maybe_unused]] const ssize_t w = ::write(2, text, n);
}

void on_signal(int sig) {
    tell();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// The sanitizer reports faults itself and then calls the death callback; an abort it leaves
// to the program.
#ifdef MONKEY_ASAN
constexpr int Signals[] = {SIGABRT};
#else
constexpr int Signals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#endif

} // namespace

LastWords::LastWords(unsigned seed, int stallSeconds) {
    seedNow = seed;
    indexNow = &index_;
#ifdef MONKEY_ASAN
    __sanitizer_set_death_callback(tell);
#endif
    for (int s : Signals)
        std::signal(s, on_signal);
    watcher_ = std::thread([this, stallSeconds] { watch(stallSeconds); });
}

LastWords::~LastWords() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    watcher_.join();
#ifdef MONKEY_ASAN
    __sanitizer_set_death_callback(nullptr);
#endif
    for (int s : Signals)
        std::signal(s, SIG_DFL);
    indexNow = nullptr;
}

void LastWords::watch(int stallSeconds) {
    std::unique_lock lock(mutex_);
    long seen = index_.load();
    while (!wake_.wait_for(lock, std::chrono::seconds(stallSeconds), [this] { return stop_; })) {
        const long now = index_.load();
        if (now == seen) {
            static constexpr char Hang[] = "monkey: no input taken for too long, a hang\n";
            [[maybe_unused]] const ssize_t w = ::write(2, Hang, sizeof Hang - 1);
            std::abort(); // the abort tells the seed and the input
        }
        seen = now;
    }
}

} // namespace monkey
