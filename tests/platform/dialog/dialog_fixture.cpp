#include "dialog_fixture.h"

#include <cctype>
#include <string>

namespace dlgtest {
namespace {

// Stand-ins for the predefined classes, registered only while the system has none of its own.
constexpr const char* standIns[] = {"BUTTON", "EDIT", "STATIC"};
constexpr const char* testClasses[] = {"TestButton", "TestEdit", "TestStatic", "TestWantTab",
                                       "TestWantAll"};

std::string class_of(HWND hwnd) {
    char name[32] = {};
    GetClassNameA(hwnd, name, sizeof name);
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

DWORD type_of(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

LRESULT button_code(HWND hwnd) {
    switch (type_of(hwnd)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

void click(HWND hwnd) {
    const HWND dialog = GetParent(hwnd);
    if (type_of(hwnd) == BS_AUTOCHECKBOX)
        SendMessageA(hwnd, BM_SETCHECK, !SendMessageA(hwnd, BM_GETCHECK, 0, 0), 0);
    if (type_of(hwnd) == BS_AUTORADIOBUTTON) {
        for (HWND c = GetNextDlgGroupItem(dialog, hwnd, FALSE); c && c != hwnd;
             c = GetNextDlgGroupItem(dialog, c, FALSE))
            if (type_of(c) == BS_AUTORADIOBUTTON) SendMessageA(c, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

LRESULT CALLBACK test_control(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::string cls = class_of(hwnd);
    const bool button = cls == "testbutton" || cls == "button";
    switch (message) {
    case WM_GETDLGCODE:
        if (button) return button_code(hwnd);
        if (cls == "testedit" || cls == "edit")
            return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (cls == "teststatic" || cls == "static") return DLGC_STATIC;
        if (cls == "testwanttab") return DLGC_WANTTAB | DLGC_WANTCHARS;
        if (cls == "testwantall") return DLGC_WANTALLKEYS;
        return 0;
    case BM_SETSTYLE: {
        const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        SetWindowLongPtrA(hwnd, GWL_STYLE,
                          (style & ~LONG_PTR{BS_TYPEMASK}) | (wParam & BS_TYPEMASK));
        return 0;
    }
    case BM_GETCHECK:
        return GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    case BM_SETCHECK:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    case BM_CLICK:
        if (button) click(hwnd);
        return 0;
    case EM_SETSEL:
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void register_control_class(const char* name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = test_control;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

std::vector<std::string>& registered() {
    static std::vector<std::string> names;
    return names;
}

} // namespace

DialogLog& dialog_log() {
    static DialogLog log;
    return log;
}

INT_PTR CALLBACK test_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogLog& log = dialog_log();
    if (log.hook)
        if (const INT_PTR answer = log.hook(dialog, message, wParam, lParam)) return answer;
    switch (message) {
    case WM_INITDIALOG:
        log.initParam = lParam;
        log.initFocus = wParam;
        log.ownerEnabledAtInit = IsWindowEnabled(GetWindow(dialog, GW_OWNER));
        return log.initAnswer;
    case WM_COMMAND:
        log.commands.push_back(wParam);
        log.senders.push_back(lParam);
        return TRUE;
    case WM_HELP:
        log.helps.push_back(*reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void DialogTest::SetUp() {
    WindowTest::SetUp();
    dialog_log() = DialogLog{};
    for (const char* name : testClasses) {
        register_control_class(name);
        registered().push_back(name);
    }
    WNDCLASSEXA existing{};
    for (const char* name : standIns)
        if (!GetClassInfoExA(nullptr, name, &existing)) {
            register_control_class(name);
            registered().push_back(name);
        }
}

void DialogTest::TearDown() {
    WindowTest::TearDown();
    for (const std::string& name : registered())
        UnregisterClassA(name.c_str(), nullptr);
    registered().clear();
    dialog_log() = DialogLog{};
}

void DialogTest::pump_dialog(HWND dialog) {
    MSG msg;
    for (int n = 0; n < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n)
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
}

void DialogTest::type(HWND dialog, int vk, char character, int modifier) {
    // One step at a time: each key goes to the window that has the focus when it is typed.
    if (modifier) plat::inject_key(modifier, 0, true);
    pump_dialog(dialog);
    plat::inject_key(vk, character, true);
    pump_dialog(dialog);
    plat::inject_key(vk, character, false);
    pump_dialog(dialog);
    if (modifier) plat::inject_key(modifier, 0, false);
    pump_dialog(dialog);
}

HWND DialogTest::form(LPARAM param) {
    return CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_FORM), nullptr, test_dialog_proc,
                              param);
}

} // namespace dlgtest
