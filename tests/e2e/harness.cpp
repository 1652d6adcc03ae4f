#include "harness.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <png.h>

extern char** environ;

namespace e2e {
namespace {

std::vector<std::string> environment_with(const Env& env) {
    std::vector<std::string> out;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (!env.count(name)) out.push_back(entry);
    }
    for (const auto& [name, value] : env)
        if (!value.empty()) out.push_back(name + "=" + value);
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

// fork and exec with the given environment; the child's stdout and stderr go to the given
// descriptors (-1: /dev/null).
pid_t spawn(std::vector<std::string> argv, const Env& env, int outFd, int errFd, int keepFd = -1) {
    std::vector<std::string> envStrings = environment_with(env);
    std::vector<char*> args = pointers(argv), envp = pointers(envStrings);
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int devnull = ::open("/dev/null", O_RDWR);
    ::dup2(devnull, 0);
    ::dup2(outFd >= 0 ? outFd : devnull, 1);
    ::dup2(errFd >= 0 ? errFd : devnull, 2);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd) ::close(fd);
    ::execvpe(args[0], args.data(), envp.data());
    ::_exit(127);
}

int exit_code(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

RunResult run(const std::vector<std::string>& argv, const Env& env) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = spawn(argv, env, fds[1], -1);
    ::close(fds[1]);
    RunResult r;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        r.out.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.status = exit_code(status);
    return r;
}

Process::Process(const std::vector<std::string>& argv, const Env& env,
                 const std::string& stderrFile, const std::string& stdoutFile) {
    const int err = ::open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int out = stdoutFile.empty() ? -1
                                       : ::open(stdoutFile.c_str(),
                                                O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    pid_ = spawn(argv, env, out, err);
    if (err >= 0) ::close(err);
    if (out >= 0) ::close(out);
}

Process::~Process() {
    if (running()) {
        ::kill(pid_, SIGKILL);
        int status;
        ::waitpid(pid_, &status, 0);
    }
}

bool Process::running() {
    if (pid_ <= 0 || reaped_) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        reaped_ = true;
        status_ = exit_code(status);
        return false;
    }
    return true;
}

int Process::wait_exit(std::chrono::milliseconds limit) {
    wait_until([this] { return !running(); }, limit);
    return reaped_ ? status_ : -1;
}

Xvfb::Xvfb(const std::vector<std::string>& extraArgs) {
    int fds[2];
    if (::pipe(fds) != 0) {
        failure_ = "no pipe";
        return;
    }
    std::vector<std::string> argv = {"Xvfb",      "-displayfd", std::to_string(fds[1]),
                                     "-screen",   "0",          "1024x768x24",
                                     "-nolisten", "tcp",        "-noreset"};
    argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());
    const pid_t pid = spawn(argv, {}, -1, -1, fds[1]);
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (::poll(&p, 1, 100) <= 0) continue;
        char c[16];
        const ssize_t n = ::read(fds[0], c, sizeof c);
        if (n <= 0) break;
        number.append(c, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        failure_ = pid > 0 ? "Xvfb did not start (is the xvfb package installed?)" : "no fork";
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            int status;
            ::waitpid(pid, &status, 0);
        }
        return;
    }
    pid_ = pid;
    number.resize(number.find('\n'));
    display_ = ':';
    display_ += number;
}

Xvfb::~Xvfb() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status;
    ::waitpid(pid_, &status, 0);
}

bool wait_until(const std::function<bool()>& f, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!f()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

plat::Surface read_png(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    plat::Surface s(static_cast<int>(image.width), static_cast<int>(image.height));
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = static_cast<plat::Pixel>(rgb[3 * i]) << 16 |
                      static_cast<plat::Pixel>(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return s;
}

Geometry window_geometry(const Env& env, const std::string& window) {
    Geometry g;
    for (const std::string& line :
         lines_of(run({"xdotool", "getwindowgeometry", "--shell", window}, env).out)) {
        std::sscanf(line.c_str(), "X=%d", &g.x);
        std::sscanf(line.c_str(), "Y=%d", &g.y);
        std::sscanf(line.c_str(), "WIDTH=%d", &g.width);
        std::sscanf(line.c_str(), "HEIGHT=%d", &g.height);
    }
    return g;
}

int xdotool(const Env& env, std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    return run(args, env).status;
}

} // namespace e2e
