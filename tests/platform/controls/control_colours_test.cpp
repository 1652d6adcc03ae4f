// The colour questions of every control class: which WM_CTLCOLOR* message each kind asks, and
// that the brush, text colour and background colour its parent answers show in the presented
// image (push buttons keep the system's colours, as the platform draws them).
#include <array>
#include <map>
#include <set>
#include <sstream>

#include "controls_fixture.h"

namespace ctltest {
namespace {

struct Answer {
    COLORREF brush, text, background;
};

// A distinct answer per message, so that an image shows which question was answered.
const std::map<UINT, Answer>& answers() {
    static const std::map<UINT, Answer> table{
        {WM_CTLCOLOREDIT, {RGB(250, 220, 0), RGB(200, 0, 40), RGB(0, 210, 220)}},
        {WM_CTLCOLORLISTBOX, {RGB(120, 250, 120), RGB(0, 0, 230), RGB(250, 150, 250)}},
        {WM_CTLCOLORBTN, {RGB(250, 120, 0), RGB(120, 0, 120), RGB(0, 120, 0)}},
        {WM_CTLCOLORSTATIC, {RGB(170, 200, 250), RGB(140, 70, 0), RGB(255, 250, 180)}},
        {WM_CTLCOLORSCROLLBAR, {RGB(60, 160, 60), RGB(10, 90, 90), RGB(230, 130, 130)}},
    };
    return table;
}

std::string dump(const std::set<plat::Pixel>& seen) {
    std::ostringstream out;
    for (plat::Pixel p : seen)
        out << " " << std::hex << p;
    return out.str();
}

struct Asked {
    UINT message;
    HWND control;
};
std::vector<Asked>* asked = nullptr;
std::map<UINT, HBRUSH>* brushes = nullptr;

LRESULT CALLBACK colouring_parent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = answers().find(message);
    if (found == answers().end() || !brushes) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (asked) asked->push_back({message, reinterpret_cast<HWND>(lParam)});
    const HDC hdc = reinterpret_cast<HDC>(wParam);
    SetTextColor(hdc, found->second.text);
    SetBkColor(hdc, found->second.background);
    return reinterpret_cast<LRESULT>((*brushes)[message]);
}

class ControlColoursTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        for (const auto& [message, answer] : answers())
            brushMap[message] = CreateSolidBrush(answer.brush);
        brushes = &brushMap;
        asked = &askedLog;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = colouring_parent;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ColouringParent";
        RegisterClassExA(&wc);
        parent = CreateWindowExA(0, "ColouringParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                 420, 300, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        asked = nullptr;
        brushes = nullptr;
        for (const auto& [message, brush] : brushMap)
            DeleteObject(brush);
        UnregisterClassA("ColouringParent", nullptr);
        ControlsTest::TearDown();
    }
    // The colours of the control's client area (and its children's) as presented.
    std::set<plat::Pixel> colours_of(HWND hwnd) {
        RECT r;
        GetClientRect(hwnd, &r);
        std::set<plat::Pixel> seen;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x)
                seen.insert(pixel(hwnd, x, y));
        return seen;
    }

    HWND parent = nullptr;
    std::map<UINT, HBRUSH> brushMap;
    std::vector<Asked> askedLog;
};

// One row per class and style: the question asked, and which of its answer's colours show
// (text drawn opaquely shows the background colour behind it).
struct Row {
    const char* cls;
    DWORD style;
    UINT message;
    bool brush, text, background;
    const char* what;
};
constexpr std::array<Row, 15> rows{{
    {"EDIT", WS_BORDER, WM_CTLCOLOREDIT, true, true, true, "edit"},
    {"EDIT", WS_BORDER | ES_MULTILINE, WM_CTLCOLOREDIT, true, true, true, "multi-line edit"},
    {"EDIT", WS_BORDER | ES_READONLY, WM_CTLCOLORSTATIC, true, true, true, "read-only edit"},
    {"EDIT", WS_BORDER | WS_DISABLED, WM_CTLCOLORSTATIC, true, false, true, "disabled edit"},
    {"LISTBOX", WS_BORDER, WM_CTLCOLORLISTBOX, true, true, true, "list box"},
    {"BUTTON", BS_PUSHBUTTON, WM_CTLCOLORBTN, false, false, false, "push button"},
    {"BUTTON", BS_DEFPUSHBUTTON, WM_CTLCOLORBTN, false, false, false, "default push button"},
    {"BUTTON", BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC, true, true, true, "check box"},
    {"BUTTON", BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC, true, true, true, "radio button"},
    {"BUTTON", BS_GROUPBOX, WM_CTLCOLORSTATIC, true, true, true, "group box"},
    {"STATIC", SS_LEFT, WM_CTLCOLORSTATIC, true, true, true, "static text"},
    {"SCROLLBAR", SBS_HORZ, WM_CTLCOLORSCROLLBAR, true, false, false, "scroll bar"},
    {"COMBOBOX", CBS_DROPDOWN, WM_CTLCOLOREDIT, true, true, true, "drop-down combo's edit"},
    {"COMBOBOX", CBS_DROPDOWNLIST, WM_CTLCOLOREDIT, true, true, true, "drop-down list's field"},
    {"COMBOBOX", CBS_SIMPLE, WM_CTLCOLORLISTBOX, true, true, true, "simple combo's list"},
}};

TEST_F(ControlColoursTest, EachClassAsksItsQuestionAndShowsTheAnswer) {
    // The pointer away from the controls, an earlier click long past.
    plat::inject_mouse_move({790, 590});
    plat::advance_clock(1000);
    pump();
    for (const Row& row : rows) {
        const bool combo = std::string(row.cls) == "COMBOBOX";
        // A simple combo's edit asks its own question beside the list's.
        const bool simple = combo && row.style == CBS_SIMPLE;
        const HWND c = control(parent, row.cls, "MMMM", WS_VISIBLE | row.style,
                               combo ? RECT{10, 10, 210, 130} : RECT{10, 10, 210, 60}, 40);
        ASSERT_NE(c, nullptr) << row.what;
        if (std::string(row.cls) == "LISTBOX" || combo) {
            SendMessageA(c, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>("MMMM"));
            SendMessageA(c, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        }
        if (std::string(row.cls) == "SCROLLBAR") SetScrollRange(c, SB_CTL, 0, 10, TRUE);
        if (combo && row.style != CBS_DROPDOWNLIST) {
            SetWindowTextA(c, "MMMM");
            // Nothing selected, the caret and the view at the start.
            SendMessageA(GetWindow(c, GW_CHILD), EM_SETSEL, 0, 0);
        }
        if (combo && row.style == CBS_DROPDOWNLIST) SendMessageA(c, CB_SETCURSEL, 0, 0);
        // Unfocused: a focused field shows its text selected, in the highlight colours.
        SetFocus(parent);
        askedLog.clear();
        RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        pump();
        // Asked, and only that question (a combo box's parts pass theirs on with their handle).
        std::set<UINT> questions;
        for (const Asked& a : askedLog)
            questions.insert(a.message);
        EXPECT_TRUE(questions.count(row.message)) << row.what;
        if (!simple) {
            EXPECT_EQ(questions.size(), 1u) << row.what;
        }

        const std::set<plat::Pixel> seen = colours_of(c);
        const Answer& a = answers().at(row.message);
        const auto shows = [&](COLORREF c) {
            return seen.count(plat::pixel_from_colorref(c)) != 0;
        };
        EXPECT_EQ(shows(a.brush), row.brush) << row.what << ": brush";
        EXPECT_EQ(shows(a.text), row.text) << row.what << ": text in" << dump(seen);
        EXPECT_EQ(shows(a.background), row.background) << row.what << ": background";
        // No other question's colours.
        for (const auto& [message, other] : answers()) {
            if (message == row.message || simple) continue;
            EXPECT_FALSE(shows(other.brush) || shows(other.text))
                << row.what << " shows the answer to 0x" << std::hex << message;
        }
        DestroyWindow(c);
        pump();
    }
}

} // namespace
} // namespace ctltest
