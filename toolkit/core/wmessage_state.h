// The current event, the enable flags and the pending-event table that the window procedures
// write and the retrieval loops read.
#pragma once

#include <array>

#include "core/wwindow.h"

namespace tess {

// Event type codes.
enum EventType : int {
    EventKey = 1,
    EventMenu = 2,
    EventDialogCommand = 3,
    EventButtonDown = 4,
    EventButtonUp = 5,
    EventMouseMove = 6,
    EventRedraw = 7,
    EventResize = 8,
    EventCloseRequest = 9,
    EventFieldFocus = 10,
    EventFrameClick = 12,
    EventTimer = 13,
    // Between the dialog procedure and the translator only.
    EventFieldButtonDown = 104,
    EventFieldButtonUp = 105,
    EventFieldMouseMove = 106,
    EventFieldRedraw = 107
};

struct PendingEvent {
    int type = 0; // 0 = empty
    int value1 = 0, value2 = 0, value3 = 0, value4 = 0;
    int x = 0, y = 0;
    int time = 0;
};

struct CoreEvents {
    int wMessageType = 0;
    int wMessageWin = -1;
    int wMessageValue1 = -1, wMessageValue2 = -1, wMessageValue3 = -1, wMessageValue4 = -1;
    int wMessageX = -1, wMessageY = -1;
    int wMessageTime = 0;
    // 1: a loop waits and nothing was produced; 0: an event is ready; 2: ready, not delivered.
    int wValidMessage = 0;
    std::array<int, 14> wMessageEnabled = StartEnabled;
    std::array<PendingEvent, WindowSlots> pending{};
    int bExpectPaintResize = 0;
    int block118 = 1;

    static constexpr std::array<int, 14> StartEnabled{1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1};
};

inline CoreEvents events{};

} // namespace tess
