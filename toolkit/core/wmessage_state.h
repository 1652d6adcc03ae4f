// The current event, the enable flags and the events kept for later retrievals, which the
// window procedures write and the retrieval loops read.
#pragma once

#include <array>

#include "core/event_codes.h"
#include "core/wwindow.h"

namespace tess {

constexpr int KeptEvents = 16;

struct CoreEvents {
    int wMessageType = 0;
    int wMessageWin = -1;
    int wMessageValue1 = -1, wMessageValue2 = -1, wMessageValue3 = -1, wMessageValue4 = -1;
    int wMessageX = -1, wMessageY = -1;
    int wMessageTime = 0;
    // 1: a loop waits and nothing was produced; 0: an event is ready; 2: ready, not delivered.
    int wValidMessage = 0;
    std::array<int, 14> wMessageEnabled = StartEnabled;
    int bExpectPaintResize = 0;
    int block118 = 1;
    // How deep nested loops run inside a dispatch: menu tracking and moving or sizing (the frame
    // procedure counts them), and the modal displays of message boxes and dialogs, which count
    // themselves.
    int nested = 0;
    // Timer events and close requests produced inside a nested loop, oldest first, for the
    // retrievals that follow.
    std::array<PendingEvent, KeptEvents> kept{};
    int keptCount = 0;

    static constexpr std::array<int, 14> StartEnabled{1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1};
};

} // namespace tess
