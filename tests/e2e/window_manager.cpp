#include "window_manager.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace e2e {
namespace {

// Click to focus and the title bar's buttons; every other setting is openbox's default. (A plain
// button bound on the whole frame would take the clicks meant for the title bar's buttons.)
constexpr const char* OpenboxConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <theme><name>Clearlooks</name><titleLayout>NLIMC</titleLayout></theme>
  <desktops><number>1</number></desktops>
  <keyboard></keyboard>
  <mouse>
    <dragThreshold>8</dragThreshold>
    <context name="Client"><mousebind button="Left" action="Press">
      <action name="Focus"/><action name="Raise"/></mousebind></context>
    <context name="Titlebar"><mousebind button="Left" action="Press">
      <action name="Focus"/><action name="Raise"/></mousebind></context>
    <context name="Close"><mousebind button="Left" action="Press">
      <action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind></context>
    <context name="Iconify"><mousebind button="Left" action="Click">
      <action name="Iconify"/></mousebind></context>
    <context name="Maximize"><mousebind button="Left" action="Click">
      <action name="ToggleMaximize"/></mousebind></context>
  </mouse>
</openbox_config>
)";

// The window a property of type WINDOW names, as xprop prints it ("... window id # 0x2a"); 0 if
// it is not set.
unsigned long window_property(const Env& env, const std::string& window,
                              const std::string& property) {
    std::vector<std::string> args = {"xprop"};
    if (window.empty())
        args.push_back("-root");
    else
        args.insert(args.end(), {"-id", window});
    args.push_back(property);
    const std::string out = run(args, env).out;
    const std::size_t hash = out.find("# ");
    return hash == std::string::npos ? 0 : std::strtoul(out.c_str() + hash + 2, nullptr, 0);
}

// openbox names its check window before it reads map requests, and drops one that comes in
// between: a window of ours is mapped, again after each half second it stays unframed, until the
// manager frames it.
bool frames_a_window(const std::string& display) {
    Display* dpy = XOpenDisplay(display.c_str());
    if (!dpy) return false;
    const Window probe = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 10, 10, 0, 0, 0);
    const auto framed_now = [&] {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(dpy, probe, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        return parent != root;
    };
    bool framed = false;
    for (int attempt = 0; attempt < 20 && !framed; ++attempt) {
        XMapWindow(dpy, probe);
        XFlush(dpy);
        framed = wait_until(framed_now, std::chrono::milliseconds(500));
    }
    XDestroyWindow(dpy, probe);
    XCloseDisplay(dpy);
    return framed;
}

} // namespace

bool installed(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && ::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

WindowManager::WindowManager(const Env& env, const std::string& folder) {
    if (!installed("openbox")) {
        failure_ = "openbox is not installed";
        return;
    }
    const std::string config = folder + "/rc.xml";
    {
        std::ofstream out(config);
        out << OpenboxConfig;
        if (!out.flush()) {
            failure_ = "cannot write " + config;
            return;
        }
    }
    Env withHome = env;
    // Its cache and the files it looks for stay in the test's folder.
    withHome["XDG_CONFIG_HOME"] = folder;
    withHome["XDG_CACHE_HOME"] = folder;
    process_ = std::make_unique<Process>(
        std::vector<std::string>{"openbox", "--sm-disable", "--config-file", config}, withHome,
        folder + "/openbox.txt");
    // EWMH: the manager names a window of its own on the root, which names itself back.
    const bool ready = wait_until([&] {
        const unsigned long check = window_property(env, "", "_NET_SUPPORTING_WM_CHECK");
        return check &&
               window_property(env, std::to_string(check), "_NET_SUPPORTING_WM_CHECK") == check;
    });
    if (!ready || !frames_a_window(env.at("DISPLAY")))
        failure_ = "openbox did not take the screen: " + read_file(folder + "/openbox.txt");
}

} // namespace e2e
