// Starting and running commands through /bin/sh.
#include "graphics/oswin.h"

#include <cerrno>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Start results of 32 and above mean success, as on the original platform.
constexpr int StartedResult = 33;
constexpr int LastFailureResult = 31;
constexpr int TimedOut = -1;

// Children that outlived a time-out; reaped whenever a later command runs.
std::vector<pid_t> abandoned;

void reap_abandoned() {
    std::erase_if(abandoned, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

int spawn_shell(const char* script, const char* argument, pid_t& pid) {
    const char* argv[] = {"/bin/sh", "-c", script, argument, nullptr};
    return ::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv),
                         environ);
}

// Starts the command detached: an intermediate shell puts it in the background and ends at
// once, so nothing is left for us to wait for.
int start_detached(const char* command) {
    reap_abandoned();
    pid_t pid = 0;
    const int failure = spawn_shell("/bin/sh -c \"$0\" &", command, pid);
    if (failure != 0) return failure;
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return 0;
}

int start_result(int failure) {
    if (failure == 0) return StartedResult;
    return failure > 0 && failure <= LastFailureResult ? failure : LastFailureResult;
}

// 0 when the child ended, TimedOut, or the errno of a failed wait.
int wait_for(pid_t pid, int timeoutSeconds) {
    const long long limitMs = timeoutSeconds < 0 ? -1 : timeoutSeconds * 1000LL;
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        const pid_t r = ::waitpid(pid, nullptr, limitMs < 0 ? 0 : WNOHANG);
        if (r == pid) return 0;
        if (r < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const long long elapsed =
            (now.tv_sec - start.tv_sec) * 1000LL + (now.tv_nsec - start.tv_nsec) / 1000000;
        if (elapsed >= limitMs) {
            abandoned.push_back(pid);
            return TimedOut;
        }
        const timespec pause{0, 2'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

} // namespace

void xxexec_(const char* command, int& result) {
    result = start_result(start_detached(command));
}

void xxcmnd_(const char* command, const int& /*hide*/, const int& wait, const int& timeout,
             int& status) {
    // There are no console windows here, so the hide flag changes nothing.
    if (wait == 0) {
        const int result = start_result(start_detached(command));
        status = result >= 32 ? 0 : result;
        return;
    }
    reap_abandoned();
    pid_t pid = 0;
    const int failure = spawn_shell(command, nullptr, pid);
    if (failure != 0) {
        status = failure;
        return;
    }
    status = wait_for(pid, timeout);
}
