// The end-to-end harness: a private Xvfb server, programs started on it, xdotool and our own
// X helper run against it, and the trace a program writes read back.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gdi/surface.h"

namespace e2e {

using Env = std::map<std::string, std::string>;

struct RunResult {
    int status = -1; // exit code, or -1 when it did not exit normally
    std::string out;
};

// Runs a program to its end with extra environment (an empty value removes a variable).
RunResult run(const std::vector<std::string>& argv, const Env& env = {});

// A program running in the background; killed on destruction if it is still running.
class Process {
public:
    // stdoutFile empty: the output is dropped.
    Process(const std::vector<std::string>& argv, const Env& env, const std::string& stderrFile,
            const std::string& stdoutFile = "");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // The exit code once it has exited within the time, -1 otherwise.
    int wait_exit(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
    int status_ = -1;
    bool reaped_ = false;
};

// Xvfb on a display number of its own choosing (-displayfd). started() is false, with the
// reason, when no server could be started here.
class Xvfb {
public:
    explicit Xvfb(const std::vector<std::string>& extraArgs = {});
    ~Xvfb();
    bool started() const { return pid_ > 0; }
    const std::string& failure() const { return failure_; }
    const std::string& display() const { return display_; }
    Env env() const { return {{"DISPLAY", display_}}; }
    // The environment of a program under test: this server, on the X11 backend.
    Env program_env() const { return {{"DISPLAY", display_}, {"TESS_BACKEND", ""}}; }

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string failure_;
};

// A window's place and size on the screen, as xdotool reports them.
struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
};
Geometry window_geometry(const Env& env, const std::string& window);

// Runs xdotool with these arguments on the server of env; its exit code.
int xdotool(const Env& env, std::vector<std::string> args);

// Polls until f() holds or the limit passes (a guard against hanging, not a speed goal).
bool wait_until(const std::function<bool()>& f,
                std::chrono::milliseconds limit = std::chrono::seconds(10));

std::string read_file(const std::string& path);
std::vector<std::string> lines_of(const std::string& text);

// A PNG written by our snapshot and screenshot code, read back as pixels; empty on failure.
plat::Surface read_png(const std::string& path);

} // namespace e2e
