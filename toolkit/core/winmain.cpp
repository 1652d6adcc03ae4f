#include "core/winmain.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <unistd.h>

namespace {

constexpr int FaultExitCode = 3;
constexpr int faultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void write_stderr(const char* text) {
    if (::write(STDERR_FILENO, text, std::strlen(text)) < 0) return;
}

void flush_open_files() {
    std::cout.flush();
    std::clog.flush();
    std::fflush(nullptr);
}

const char* signal_name(int sig) {
    switch (sig) {
    case SIGSEGV:
        return "access violation";
    case SIGBUS:
        return "bus error";
    case SIGFPE:
        return "arithmetic fault";
    case SIGILL:
        return "illegal instruction";
    case SIGABRT:
        return "abnormal termination";
    default:
        return "fault";
    }
}

// Reports the fault, flushes what it can and lets the signal end the process as it would have.
void on_fault_signal(int sig) {
    write_stderr("Tessaramond: unexpected fault: ");
    write_stderr(signal_name(sig));
    write_stderr("\n");
    std::fflush(nullptr);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void on_terminate() {
    const char* what = "unhandled exception";
    try {
        if (auto current = std::current_exception()) std::rethrow_exception(current);
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    yyreportfault(what);
    std::_Exit(FaultExitCode);
}

void install_fault_handlers() {
    struct sigaction action {};
    action.sa_handler = on_fault_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int sig : faultSignals)
        ::sigaction(sig, &action, nullptr);
    std::set_terminate(on_terminate);
}

} // namespace

void yyreportfault(const char* what) {
    write_stderr("Tessaramond: unexpected fault: ");
    write_stderr(what);
    write_stderr("\n");
    flush_open_files();
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    install_fault_handlers();
    try {
        MainProgram();
    } catch (const std::exception& e) {
        yyreportfault(e.what());
        std::_Exit(FaultExitCode);
    } catch (...) {
        yyreportfault("unhandled exception");
        std::_Exit(FaultExitCode);
    }
    // The main program normally stops the process itself; when it returns, end as a stop would.
    flush_open_files();
    return 1;
}
