// The current event, the enable flags and the pending-event table that the window procedures
// write and the retrieval loops read.
#pragma once

#include <array>

#include "core/wwindow.h"
#include "public/event_types.h"

namespace tess {

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
