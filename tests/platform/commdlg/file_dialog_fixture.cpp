#include "platform/commdlg/file_dialog_fixture.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "backend/headless/headless_backend.h"
#include "support/reset_windows.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace fdtest {

// The list ends in an empty string: the literal's own NUL is its terminator.
constexpr char treeFilter[] = "Text files\0*.txt\0Data and text\0*.dat; *.txt\0All files\0*.*\0";
const std::string TreeFilter(treeFilter, sizeof treeFilter);

namespace {

constexpr int MessageTextId = 0xFFFF; // the message box's text

struct Driver {
    std::vector<Act> script;
    std::function<void(HWND)> look;
    std::size_t next = 0;
    Seen* seen = nullptr;
    HWND owner = nullptr;
    HWND fileDialog = nullptr;
    WNDPROC dialogProc = nullptr;
    std::string root;
};
Driver& driver() {
    static Driver d;
    return d;
}

std::string text_of(HWND hwnd) {
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string expand_root(const std::string& text, const std::string& root) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("$T", from)) != std::string::npos; from = at + 2)
        out.append(text, from, at - from).append(root);
    return out.append(text, from);
}

void press(int vk, char character = 0) {
    plat::inject_key(vk, character, true);
    plat::inject_key(vk, character, false);
}

int vk_of(char c) {
    if (std::isalnum(static_cast<unsigned char>(c)))
        return std::toupper(static_cast<unsigned char>(c));
    return c == ' ' ? VK_SPACE : 0xBE; // the character is what the field takes
}

void alt_mnemonic(char letter) {
    plat::inject_key(VK_MENU, 0, true);
    plat::inject_key(std::toupper(letter), letter, true);
    plat::inject_key(std::toupper(letter), letter, false);
    plat::inject_key(VK_MENU, 0, false);
}

std::string list_items(HWND list) {
    std::string out;
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        char item[512] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        if (i) out.push_back('|');
        out += item;
    }
    return out;
}

// Clicks the list item with the text; false when there is none.
bool click_item(HWND dialog, const std::string& text, int clicks, bool ctrl) {
    const HWND list = GetDlgItem(dialog, lst1);
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return false;
    RECT r{}, client{};
    GetClientRect(list, &client);
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    if (r.top < 0 || r.bottom > client.bottom) {
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
    }
    POINT p{r.left + 10, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    plat::advance_clock(1000); // apart from any click before
    if (ctrl) plat::inject_key(VK_CONTROL, 0, true);
    plat::inject_mouse_move(p);
    for (int i = 0; i < clicks; ++i) {
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
    }
    if (ctrl) plat::inject_key(VK_CONTROL, 0, false);
    return true;
}

// Runs the script's acts up to and including the next one that gives input. `shown` is the
// modal window waiting: the file dialog or one of its message boxes.
void step(HWND shown) {
    Driver& d = driver();
    Seen& seen = *d.seen;
    const HWND dialog = d.fileDialog;
    while (d.next < d.script.size()) {
        const Act& act = d.script[d.next++];
        const std::string text = expand_root(act.text, d.root);
        switch (act.kind) {
        case Act::Type:
            alt_mnemonic('n');
            for (char c : text)
                press(vk_of(c), c);
            return;
        case Act::Enter:
            press(VK_RETURN, '\r');
            return;
        case Act::Escape:
            press(VK_ESCAPE, 27);
            return;
        case Act::Click:
        case Act::CtrlClick:
        case Act::DoubleClick:
            if (!click_item(dialog, text, act.kind == Act::DoubleClick ? 2 : 1,
                            act.kind == Act::CtrlClick)) {
                ADD_FAILURE() << "no list item " << text << " in "
                              << list_items(GetDlgItem(dialog, lst1));
                continue;
            }
            return;
        case Act::Filter:
            alt_mnemonic('t');
            for (int i = 0; i < std::atoi(text.c_str()); ++i)
                press(VK_DOWN);
            return;
        case Act::Yes:
        case Act::No:
        case Act::Ok:
            seen.boxes.push_back(text_of(GetDlgItem(shown, MessageTextId)));
            if (act.kind == Act::Ok)
                press(VK_RETURN, '\r');
            else
                press(act.kind == Act::Yes ? 'Y' : 'N', act.kind == Act::Yes ? 'y' : 'n');
            return;
        case Act::Close:
            PostMessageA(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        case Act::List:
            seen.looks.push_back(list_items(GetDlgItem(dialog, lst1)));
            continue;
        case Act::Edit:
            seen.looks.push_back(text_of(GetDlgItem(dialog, edt1)));
            continue;
        case Act::LookIn:
            seen.looks.push_back(text_of(GetDlgItem(dialog, stc1)));
            continue;
        case Act::Look:
            if (d.look) d.look(dialog);
            continue;
        case Act::Remove: {
            std::error_code ignored;
            std::filesystem::remove_all(d.root + "/" + text, ignored);
            continue;
        }
        }
    }
    // The script is over but a dialog still waits: end it so that the test goes on.
    seen.ranOut = true;
    EndDialog(shown, IDCANCEL);
}

LRESULT CALLBACK dialog_hook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) step(reinterpret_cast<HWND>(lParam));
    return CallWindowProcA(driver().dialogProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK owner_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ENTERIDLE || wParam != MSGF_DIALOGBOX)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    Driver& d = driver();
    const HWND shown = reinterpret_cast<HWND>(lParam);
    if (d.fileDialog != shown) {
        // The file dialog's own message boxes tell it when they wait.
        d.fileDialog = shown;
        d.seen->ownerEnabled = IsWindowEnabled(hwnd);
        d.dialogProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(shown, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialog_hook)));
    }
    step(shown);
    return 0;
}

} // namespace

std::vector<Act> parse_script(const std::string& script) {
    static const std::pair<const char*, Act::Kind> words[] = {
        {"type", Act::Type},     {"enter", Act::Enter},    {"esc", Act::Escape},
        {"click", Act::Click},   {"ctrl", Act::CtrlClick}, {"dbl", Act::DoubleClick},
        {"filter", Act::Filter}, {"yes", Act::Yes},        {"no", Act::No},
        {"ok", Act::Ok},         {"close", Act::Close},    {"list", Act::List},
        {"edit", Act::Edit},     {"lookin", Act::LookIn},  {"remove", Act::Remove},
        {"look", Act::Look}};
    std::vector<Act> out;
    std::size_t from = 0;
    while (from < script.size()) {
        std::size_t end = script.find(", ", from);
        if (end == std::string::npos) end = script.size();
        const std::string act = script.substr(from, end - from);
        const std::size_t blank = act.find(' ');
        const std::string word = act.substr(0, blank);
        const auto* found = std::find_if(std::begin(words), std::end(words),
                                         [&](const auto& w) { return word == w.first; });
        if (found == std::end(words))
            ADD_FAILURE() << "no act " << word;
        else
            out.push_back({found->second, blank == std::string::npos ? "" : act.substr(blank + 1)});
        from = end + 2;
    }
    return out;
}

void FileDialogTest::SetUp() {
    plat::use_headless_backend();
    // Choosing a file makes its directory current: each test gives the one it found back.
    startDirectory = std::filesystem::current_path();
    root = tree.path().string();
    namespace fs = std::filesystem;
    for (const char* f : {"a.txt", "b.TXT", "c.dat", "Notes", "Zeta.txt", ".hidden", "sub/d.txt",
                          "sub/deeper/e.dat"}) {
        fs::create_directories(fs::path(tree.file(f)).parent_path());
        tree.write(f, "x");
    }
    fs::create_directory(tree.file("Another"));
    fs::create_directory_symlink(tree.file("sub"), tree.file("link-to-sub"));
    fs::create_symlink(tree.file("nowhere"), tree.file("broken"));
    fs::create_symlink(tree.file("loop"), tree.file("loop"));

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = owner_proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "FileDialogOwner";
    RegisterClassExA(&wc);
    owner = CreateWindowExA(0, "FileDialogOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                            600, 450, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(owner);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

void FileDialogTest::TearDown() {
    testsupport::destroy_every_window();
    UnregisterClassA("FileDialogOwner", nullptr);
    std::filesystem::current_path(startDirectory);
}

BOOL FileDialogTest::run(OPENFILENAMEA& ofn, bool save, const std::string& script,
                         std::function<void(HWND)> look) {
    seen = Seen{};
    Driver& d = driver();
    d = Driver{};
    d.script = parse_script(script);
    d.look = std::move(look);
    d.seen = &seen;
    d.owner = owner;
    d.root = root;
    const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    d.script.clear();
    d.look = nullptr;
    return ok;
}

OPENFILENAMEA FileDialogTest::make(const std::string& filter, DWORD flags,
                                   std::vector<char>& buffer) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = root.c_str();
    ofn.Flags = flags;
    return ofn;
}

std::string FileDialogTest::expand(const std::string& text) const {
    return expand_root(text, root);
}

std::string result_text(const std::vector<char>& buffer) {
    std::string out;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        if (buffer[i] == '\0') {
            if (i + 1 >= buffer.size() || buffer[i + 1] == '\0') break;
            out.push_back('|');
        } else {
            out.push_back(buffer[i]);
        }
    }
    return out;
}

} // namespace fdtest
