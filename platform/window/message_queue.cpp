// Sending, posting, retrieving and dispatching messages; timers.
#include "window/message_queue.h"

#include <ctime>
#include <deque>
#include <vector>

#include "backend/backend.h"
#include "window/input.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    DWORD interval;
    DWORD due;
    TIMERPROC proc;
};

// A posted message, or a device's record that becomes one when it is read.
struct Posted {
    MSG msg;
    bool input = false;
    InputRecord record{};
};

struct Queue {
    std::deque<Posted> posted;
    std::vector<Timer> timers;
    bool quit = false;
    int quitCode = 0;
    LONG lastTime = 0;
    MessageTrace trace = nullptr;
    void* traceContext = nullptr;
};

Queue& queue() {
    static Queue q;
    return q;
}

bool window_matches(HWND filter, HWND hwnd) {
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(-1)) return hwnd == nullptr;
    return hwnd == filter || IsChild(filter, hwnd);
}

bool message_matches(UINT min, UINT max, UINT message) {
    return (min == 0 && max == 0) || (message >= min && message <= max);
}

MSG make_msg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m{hwnd, message, wParam, lParam, GetTickCount(), {}};
    GetCursorPos(&m.pt);
    return m;
}

// Input is addressed as it is read: the focus, capture and windows of this moment decide where it
// goes, so keys typed ahead follow a focus change the keys before them caused.
bool take_posted(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove) {
    auto& posted = queue().posted;
    for (auto it = posted.begin(); it != posted.end();) {
        if (!it->input) {
            if (!window_matches(hwnd, it->msg.hwnd) ||
                !message_matches(min, max, it->msg.message)) {
                ++it;
                continue;
            }
            *msg = it->msg;
            if (remove & PM_REMOVE) posted.erase(it);
            return true;
        }
        const InputRecord record = it->record;
        AddressedInput addressed;
        // The hit test may run code that changes the queue: the record is found again after.
        const std::size_t index = static_cast<std::size_t>(it - posted.begin());
        const bool addressable = address_input(record, addressed);
        if (index >= posted.size()) return false;
        it = posted.begin() + static_cast<std::ptrdiff_t>(index);
        const bool matches = addressable && window_matches(hwnd, addressed.msg.hwnd) &&
                             message_matches(min, max, addressed.msg.message);
        if (!(remove & PM_REMOVE)) {
            if (matches && !addressed.refused) {
                *msg = addressed.msg;
                return true;
            }
            ++it;
            continue;
        }
        if (addressable && !matches) {
            ++it;
            continue;
        }
        posted.erase(it);
        if (addressable && deliver_input(record, addressed)) {
            *msg = addressed.msg;
            return true;
        }
        it = posted.begin(); // refused or eaten: the code it ran may have changed the queue
    }
    return false;
}

// WM_PAINT comes from the update regions, only once nothing else waits.
bool take_paint(MSG* msg, HWND hwnd, UINT min, UINT max) {
    if (!message_matches(min, max, WM_PAINT)) return false;
    HWND found = nullptr;
    for_each_window([&](HWND h, const Window& w) {
        if (!found && w.updatePending && IsWindowVisible(h) && window_matches(hwnd, h)) found = h;
    });
    if (!found) return false;
    // A parent paints before its children, whatever order the window slots are in: a child
    // painted first would be painted over.
    for (HWND child = found; child;) {
        const Window* w = lookup(child);
        if (!w || !(w->style & WS_CHILD)) break;
        const HWND up = GetParent(child);
        const Window* p = lookup(up);
        if (p && p->updatePending && IsWindowVisible(up) && window_matches(hwnd, up)) found = up;
        child = up;
    }
    *msg = make_msg(found, WM_PAINT, 0, 0);
    return true;
}

DWORD& clock_offset() {
    static DWORD offset = 0;
    return offset;
}

bool take_timer(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove) {
    if (!message_matches(min, max, WM_TIMER)) return false;
    const DWORD now = GetTickCount();
    for (Timer& t : queue().timers) {
        if (static_cast<LONG>(now - t.due) < 0 || !window_matches(hwnd, t.hwnd)) continue;
        *msg = make_msg(t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc));
        if (remove & PM_REMOVE) t.due = now + t.interval;
        return true;
    }
    return false;
}

bool peek(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove) {
    Queue& q = queue();
    if (take_posted(msg, hwnd, min, max, remove)) return true;
    if (q.quit) {
        *msg = make_msg(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
        if (remove & PM_REMOVE) q.quit = false;
        return true;
    }
    return take_paint(msg, hwnd, min, max) || take_timer(msg, hwnd, min, max, remove);
}

void trace(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    const Queue& q = queue();
    if (q.trace) q.trace(q.traceContext, hwnd, message, wParam, lParam, posted);
}

} // namespace

void advance_clock(DWORD ms) {
    clock_offset() += ms;
}

void post_front(const MSG& msg) {
    queue().posted.push_front({msg, false, {}});
}

void queue_input(const InputRecord& record) {
    queue().posted.push_back({MSG{}, true, record});
}

void set_message_trace(MessageTrace t, void* context) {
    queue().trace = t;
    queue().traceContext = context;
}

void reset_queue() {
    Queue& q = queue();
    q.posted.clear();
    q.timers.clear();
    q.quit = false;
}

int next_timer_delay() {
    const auto& timers = queue().timers;
    if (timers.empty()) return -1;
    const DWORD now = GetTickCount();
    LONG best = 0x7FFFFFFF;
    for (const Timer& t : timers)
        best = std::min(best, static_cast<LONG>(t.due - now));
    return best < 0 ? 0 : static_cast<int>(best);
}

void forget_window_timers(HWND hwnd) {
    std::erase_if(queue().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
    std::erase_if(queue().posted,
                  [hwnd](const Posted& p) { return !p.input && p.msg.hwnd == hwnd; });
}

} // namespace plat

using namespace plat;

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = lookup(hwnd);
    if (!w || !w->proc) return 0;
    trace(hwnd, message, wParam, lParam, false);
    return w->proc(hwnd, message, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !lookup(hwnd)) return FALSE;
    queue().posted.push_back({make_msg(hwnd, message, wParam, lParam), false, {}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    queue().quit = true;
    queue().quitCode = exitCode;
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    if (!msg) return FALSE;
    if (peek(msg, hwnd, filterMin, filterMax, remove)) {
        queue().lastTime = static_cast<LONG>(msg->time);
        return TRUE;
    }
    // Native input that is already waiting joins the queue without blocking.
    if (wait_for_backend(0) && peek(msg, hwnd, filterMin, filterMax, remove)) {
        queue().lastTime = static_cast<LONG>(msg->time);
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) return -1;
    while (!PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE))
        WaitMessage();
    return msg->message != WM_QUIT;
}

BOOL WaitMessage() {
    // Input records count as they are: addressing them here would run hit tests twice.
    MSG probe;
    if (!queue().posted.empty() || queue().quit || take_paint(&probe, nullptr, 0, 0) ||
        take_timer(&probe, nullptr, 0, 0, PM_NOREMOVE))
        return TRUE;
    wait_for_backend(next_timer_delay());
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    // A timer's procedure runs whether or not the timer belongs to a window.
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    Window* w = msg->hwnd ? lookup(msg->hwnd) : nullptr;
    if (!w || !w->proc) return 0;
    trace(msg->hwnd, msg->message, msg->wParam, msg->lParam, true);
    return w->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LONG GetMessageTime() {
    return queue().lastTime;
}

DWORD GetTickCount() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<DWORD>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u) +
           clock_offset();
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !lookup(hwnd)) return 0;
    // As on the original platform, intervals below 10 ms run at 10 ms.
    const DWORD interval = std::max<UINT>(elapse, 10);
    auto& timers = queue().timers;
    for (Timer& t : timers) {
        if (t.hwnd == hwnd && t.id == id && hwnd) {
            t.interval = interval;
            t.due = GetTickCount() + interval;
            t.proc = proc;
            return id;
        }
    }
    if (!hwnd) {
        // Timers without a window get an identifier of their own.
        UINT_PTR fresh = 0x7000;
        for (const Timer& t : timers)
            if (!t.hwnd && t.id >= fresh) fresh = t.id + 1;
        id = fresh;
    }
    timers.push_back({hwnd, id, interval, GetTickCount() + interval, proc});
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return std::erase_if(queue().timers,
                         [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}
