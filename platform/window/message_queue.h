// The thread's message queue, timers and the message-trace hook.
#pragma once

#include <windows.h>

namespace plat {

struct InputRecord;
// Appends a device's record to the queue; it becomes a message for a window when it is read.
void queue_input(const InputRecord& record);
// Puts a message ahead of everything queued: the characters TranslateMessage makes are read
// before the key messages typed after them.
void post_front(const MSG& msg);

// Called for every message sent to or dispatched to a window procedure; tests record with it.
using MessageTrace = void (*)(void* context, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              bool posted);
void set_message_trace(MessageTrace trace, void* context);

// Forgets every queued message and timer (the window table is cleared by tests separately).
void reset_queue();

// Moves the clock behind GetTickCount forward, so tests can let timers and delays run out
// without waiting.
void advance_clock(DWORD ms);

// Milliseconds until the next timer is due, or -1 when none runs.
int next_timer_delay();

} // namespace plat
