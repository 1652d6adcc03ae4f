// A parent for the dialog controls that hears their scroll messages and WM_NOTIFY codes in the
// order they come, and can refuse a notification the way a dialog procedure does.
#pragma once

#include <vector>

#include "controls_fixture.h"
#include "platform/window/message_recorder.h"

namespace ctltest {

struct Heard {
    UINT message; // WM_HSCROLL, WM_VSCROLL, WM_NOTIFY or WM_COMMAND
    WPARAM wParam;
    UINT code = 0; // of a WM_NOTIFY
    int iPos = 0;  // of a UDN_DELTAPOS
    int iDelta = 0;
    HWND from = nullptr; // lParam of a scroll message, hwndFrom of a notification
};

inline bool operator==(const Heard& a, const Heard& b) {
    return a.message == b.message && a.wParam == b.wParam && a.code == b.code && a.iPos == b.iPos &&
           a.iDelta == b.iDelta;
}
void PrintTo(const Heard& h, std::ostream* out);

// What the parent does when it hears a notification.
struct ParentLog {
    std::vector<Heard> heard;
    UINT refuse = 0;  // the WM_NOTIFY code answered with TRUE
    int newDelta = 0; // when set, written into a UDN_DELTAPOS before it is allowed
    bool destroySender = false;
    HBRUSH ctlBrush = nullptr; // when set, the answer to WM_CTLCOLORSTATIC
    // When set, a scroll bar control's line, page, end and thumb codes move it as a program does.
    bool followScrollBar = false;
};
ParentLog& parent_log();

inline Heard scroll(UINT message, WORD code, WORD pos = 0) {
    return Heard{message, MAKEWPARAM(code, pos)};
}
inline Heard notify(UINT code, WPARAM id) {
    return Heard{WM_NOTIFY, id, code};
}

class DialogControlsTest : public ControlsTest {
protected:
    static constexpr int Id = 30;
    void SetUp() override;
    void TearDown() override;
    // A visible top-level window of the recording class, 400 x 300.
    HWND parent();
    HWND make(const char* cls, DWORD style, RECT r, int id = Id, const char* text = "");
    void press(HWND hwnd, int x, int y);
    void release(HWND hwnd, int x, int y);
    void move(HWND hwnd, int x, int y);
    void click(HWND hwnd, int x, int y);
    void key(int vk, char ch = 0);
    // The recorder's view of what counts in a sequence here.
    void ignore_noise(testmsg::Recorder& r);

    HWND parentWindow = nullptr;
};

} // namespace ctltest
