// The translator's internal event codes; the public event types have the same values.
#pragma once

namespace tess {

enum EventCode : int {
    CodeKey = 1,
    CodeMenu = 2,
    CodeDialogCommand = 3,
    CodeButtonDown = 4,
    CodeButtonUp = 5,
    CodeMouseMove = 6,
    CodeRedraw = 7,
    CodeResize = 8,
    CodeCloseRequest = 9,
    CodeFieldFocus = 10,
    CodeFrameClick = 12,
    CodeTimer = 13,
    // Between the dialog procedure and the translator only.
    CodeFieldButtonDown = 104,
    CodeFieldButtonUp = 105,
    CodeFieldMouseMove = 106,
    CodeFieldRedraw = 107
};

} // namespace tess
