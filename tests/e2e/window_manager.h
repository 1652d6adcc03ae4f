// An EWMH window manager (openbox) on the end-to-end tests' Xvfb.
#pragma once

#include <memory>
#include <string>

#include "harness.h"

namespace e2e {

// openbox on the server of env, with a configuration of its own written to `folder`: click to
// focus, a title bar of icon, label, iconify, maximise and close, and nothing of the user's
// settings. Constructed, it manages windows: the root names its _NET_SUPPORTING_WM_CHECK window,
// and a window mapped since has been framed. started() is false, with the reason, otherwise.
class WindowManager {
public:
    WindowManager(const Env& env, const std::string& folder);
    bool started() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

private:
    std::unique_ptr<Process> process_;
    std::string failure_;
};

// Whether a program of this name is on PATH.
bool installed(const std::string& program);

} // namespace e2e
