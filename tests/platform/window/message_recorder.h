// Records the messages windows receive and compares them with expected sequences.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace testmsg {

enum Flags : int {
    sent = 0x1,     // through SendMessage (the default)
    posted = 0x2,   // dispatched from the queue
    parent = 0x4,   // received by the second window of the test (the parent, or the other frame)
    wparam = 0x8,   // wParam must match
    optional = 0x10 // may be missing
};

struct Message {
    UINT message;
    int flags = sent;
    WPARAM wParam = 0;
};

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;
};

class Recorder {
public:
    Recorder() { plat::set_message_trace(&Recorder::on_message, this); }
    ~Recorder() { plat::set_message_trace(nullptr, nullptr); }

    void watch(HWND main, HWND second = nullptr) {
        main_ = main;
        second_ = second;
    }
    void clear() { log_.clear(); }
    const std::vector<Received>& log() const { return log_; }

    // Messages that arrive through paths no sequence here is about.
    void ignore(UINT message) { ignored_.insert(message); }

    void check(const std::vector<Message>& expected, const char* name, const char* file, int line,
               bool keep = false) {
        std::vector<Received> actual;
        for (const Received& r : log_)
            if ((r.hwnd == main_ || (second_ && r.hwnd == second_)) && !ignored_.count(r.message))
                actual.push_back(r);
        std::size_t a = 0;
        bool ok = true;
        for (std::size_t e = 0; e < expected.size() && ok; ++e) {
            if (a < actual.size() && matches(expected[e], actual[a])) {
                ++a;
                continue;
            }
            if (!(expected[e].flags & optional)) ok = false;
        }
        if (!ok || a != actual.size())
            ADD_FAILURE_AT(file, line) << name << ": sequence differs\n" << dump(expected, actual);
        if (!keep) clear();
    }

private:
    static void on_message(void* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                           bool posted) {
        static_cast<Recorder*>(self)->log_.push_back({hwnd, message, wParam, lParam, posted});
    }

    bool matches(const Message& e, const Received& r) const {
        if (e.message != r.message) return false;
        if (((e.flags & parent) != 0) != (r.hwnd == second_ && second_ != main_)) return false;
        if (((e.flags & posted) != 0) != r.posted) return false;
        if ((e.flags & wparam) && e.wParam != r.wParam) return false;
        return true;
    }

    std::string dump(const std::vector<Message>& expected,
                     const std::vector<Received>& actual) const {
        std::ostringstream out;
        out << "  expected:";
        for (const Message& m : expected)
            out << " " << std::hex << "0x" << m.message << ((m.flags & parent) ? "p" : "")
                << ((m.flags & posted) ? "q" : "") << ((m.flags & optional) ? "?" : "");
        out << "\n  actual:  ";
        for (const Received& r : actual)
            out << " " << std::hex << "0x" << r.message
                << (r.hwnd == second_ && second_ != main_ ? "p" : "") << (r.posted ? "q" : "")
                << "(" << r.wParam << ")";
        return out.str();
    }

    std::vector<Received> log_;
    std::set<UINT> ignored_;
    HWND main_ = nullptr;
    HWND second_ = nullptr;
};

#define CHECK_SEQUENCE(recorder, expected) (recorder).check(expected, #expected, __FILE__, __LINE__)
// The same, keeping the log for a check of another window.
#define CHECK_SEQUENCE_KEEP(recorder, expected)                                                    \
    (recorder).check(expected, #expected, __FILE__, __LINE__, true)

LRESULT CALLBACK default_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A fresh window system for each test: headless screen, two registered classes.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND frame(DWORD style = WS_OVERLAPPEDWINDOW, const char* title = "Frame");
    HWND child(HWND parent, int id = 1, DWORD style = WS_CHILD | WS_VISIBLE);
    // Dispatches everything waiting, paints included; returns how many messages ran.
    int pump();

    plat::HeadlessBackend* screen = nullptr;
    Recorder recorder;
};

} // namespace testmsg
