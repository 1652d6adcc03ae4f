// The one place that decides which backend a program runs on.
#include <platform_start.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

#include "backend/headless/headless_backend.h"
#include "backend/trace_file.h"
#include "backend/x11/x11_backend.h"

namespace plat {
namespace {

std::unique_ptr<Backend>& current() {
    static std::unique_ptr<Backend> b;
    return b;
}

std::string& snapshot_path() {
    static std::string path;
    return path;
}

volatile std::sig_atomic_t snapshotRequested = 0;

void on_snapshot_signal(int) {
    snapshotRequested = 1;
}

void save_snapshot() {
    auto* headless = dynamic_cast<HeadlessBackend*>(current().get());
    if (!headless || snapshot_path().empty()) return;
    std::string error;
    if (!headless->save_screen_png(snapshot_path(), &error))
        std::fprintf(stderr, "snapshot %s: %s\n", snapshot_path().c_str(), error.c_str());
}

// TESS_SNAPSHOT=<file.png> on the headless screen: the screen is written there on exit and
// whenever the process receives SIGUSR1, so a program without a display can still be looked at.
void start_headless() {
    HeadlessBackend& headless = use_headless_backend();
    const char* path = std::getenv("TESS_SNAPSHOT");
    if (!path || !*path) return;
    snapshot_path() = path;
    headless.on_wait([] {
        if (!snapshotRequested) return;
        snapshotRequested = 0;
        save_snapshot();
    });
    struct sigaction action {};
    action.sa_handler = on_snapshot_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGUSR1, &action, nullptr);
}

} // namespace

Backend& backend() {
    auto& b = current();
    if (!b) b = std::make_unique<HeadlessBackend>();
    return *b;
}

namespace {
std::uint64_t screens = 0;
}

void set_backend(std::unique_ptr<Backend> next) {
    current() = std::move(next);
    ++screens;
}

std::uint64_t screen_serial() {
    return screens;
}

bool start_backend(std::string& reason) {
    const char* choice = std::getenv("TESS_BACKEND");
    if (const char* trace = std::getenv("TESS_TRACE"); trace && *trace)
        if (!start_trace_file(trace, reason)) return false;
    if (choice && std::strcmp(choice, "headless") == 0) {
        start_headless();
        return true;
    }
    if (choice && *choice && std::strcmp(choice, "x11") != 0) {
        reason = std::string("unknown TESS_BACKEND \"") + choice + "\": use x11 or headless";
        return false;
    }
    auto x11 = open_x11_backend(reason);
    if (!x11) return false;
    set_backend(std::move(x11));
    return true;
}

bool backend_shows_windows() {
    return current() && !dynamic_cast<HeadlessBackend*>(current().get());
}

void stop_backend() {
    save_snapshot();
    snapshot_path().clear();
    // Native windows and the display connection go before static destructors run.
    set_backend(nullptr);
    stop_trace_file();
}

} // namespace plat
