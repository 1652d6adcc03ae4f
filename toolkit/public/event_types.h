// The event type codes that WMessage hands to the application.
#pragma once

namespace tess {

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

} // namespace tess
