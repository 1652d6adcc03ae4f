// The demo program as a process: a start-up that cannot show anything ends with a failure code.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the demo with the environment changed as given; its exit status, -1 when it could not
// be started or did not exit normally.
int run_demo(const std::vector<std::string>& settings) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        bool replaced = false;
        for (const std::string& s : settings)
            replaced |= entry.compare(0, s.find('=') + 1, s, 0, s.find('=') + 1) == 0;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), settings.begin(), settings.end());
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = DEMO_PATH;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(DemoProcess, WithoutADisplayItEndsWithAFailureCode) {
    EXPECT_GT(run_demo({"TESS_BACKEND=x11", "DISPLAY=:4711"}), 0);
    EXPECT_GT(run_demo({"TESS_BACKEND=x11", "DISPLAY="}), 0);
}

} // namespace
