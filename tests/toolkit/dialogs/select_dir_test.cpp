// The directory selection driven by keys: OK in the edit field, entering a subdirectory from the
// list, missing directories with each flag, Cancel.
#include <cstring>
#include <filesystem>
#include <string>

#include "dialogs/wcomdlg.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

namespace fs = std::filesystem;
using commontest::key;

// '\n' Enter, '\x1b' Esc, '\t' Tab, '\x02' Down; anything else is typed.
void play(const std::string& script) {
    for (char c : script) {
        switch (c) {
        case '\n':
            key(VK_RETURN, '\r');
            break;
        case '\x1b':
            key(VK_ESCAPE, '\x1b');
            break;
        case '\t':
            key(VK_TAB, '\t');
            break;
        case '\x02':
            key(VK_DOWN);
            break;
        default:
            commontest::type(std::string(1, c));
        }
    }
}

struct SelectCase {
    const char* what;
    int flags;
    const char* script;
    int result;
    const char* chosen;    // relative to the start; "=" the buffer keeps its text
    const char* directory; // the current directory afterwards, relative to the start
};

class SelectDir : public commontest::CommonDialogs {};

TEST_F(SelectDir, KeysAndFlags) {
    const SelectCase cases[] = {
        {"OK at once", 0, "\n", 1, "", ""},
        {"Cancel", 0, "\x1b", 2, "=", ""},
        {"typed subdirectory", 0, "beta\n", 1, "beta", "beta"},
        {"entered from the list", 0, "\t\x02\x02\n\t\t\n", 1, "beta", "beta"},
        {"missing, accepted", 4, "missing\n", 1, "missing", ""},
        {"missing, refused", 0, "missing\n\n\x1b", 2, "=", ""},
        {"missing, created", 64, "made\n\n", 1, "made", "made"},
    };
    for (const auto& c : cases) {
        testsupport::TempDir root;
        const fs::path start = fs::canonical(root.path());
        fs::create_directory(start / "alpha");
        fs::create_directory(start / "beta");
        char buffer[300] = {};
        std::strcpy(buffer, start.c_str());
        play(c.script);
        int result = 0;
        yyselectdir_(0, result, c.flags, buffer, "", static_cast<int>(sizeof buffer));
        EXPECT_EQ(result, c.result) << c.what;
        const std::string chosen = c.chosen;
        const std::string expected = chosen == "="         ? start.string()
                                     : chosen.empty()      ? start.string()
                                     : chosen == "missing" ? chosen
                                                           : (start / chosen).string();
        EXPECT_EQ(std::string(buffer), expected) << c.what;
        const std::string after = c.directory;
        EXPECT_EQ(fs::current_path(), after.empty() ? start : start / after) << c.what;
        fs::current_path(dir.path()); // before the case's directory goes
    }
    EXPECT_EQ(guarded(), 0);
}

} // namespace

namespace {

// The list draws its entries itself: the selected first entry in the highlight colour, the
// others on the window colour, each 8 dialog units high.
TEST_F(SelectDir, EntriesAsTheUserSeesThem) {
    testsupport::TempDir root;
    fs::create_directory(root.path() / "alpha");
    char buffer[300] = {};
    std::strcpy(buffer, root.path().c_str());
    bool looked = false;
    look_at_idle([&](HWND box) {
        looked = true;
        const HWND list = GetDlgItem(box, tess::SelectDirList);
        RECT row{0, 0, 0, 8};
        MapDialogRect(box, &row);
        ASSERT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), row.bottom);
        ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2); // [..] and [alpha]
        RECT first{};
        SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        RECT frame{};
        GetWindowRect(box, &frame);
        auto at = [&](int x, int y) {
            POINT p{x, y};
            ClientToScreen(list, &p);
            return testsupport::presented_pixel(box, p.x - frame.left, p.y - frame.top);
        };
        const auto rgb = [](COLORREF c) {
            return static_cast<plat::Pixel>((GetRValue(c) << 16) | (GetGValue(c) << 8) |
                                            GetBValue(c));
        };
        const int h = first.bottom - first.top;
        EXPECT_EQ(at(first.left + 1, first.top + 1) & 0xFFFFFF, rgb(GetSysColor(COLOR_HIGHLIGHT)));
        EXPECT_EQ(at(first.left + 1, first.top + h + 1) & 0xFFFFFF, rgb(GetSysColor(COLOR_WINDOW)));
        // Text from x = 2: the second row holds ink (smoothed, so any colour but the window's).
        bool ink = false;
        for (int x = first.left + 2; x < first.left + 40 && !ink; ++x)
            for (int y = first.top + h; y < first.top + 2 * h && !ink; ++y)
                ink = (at(x, y) & 0xFFFFFF) != rgb(GetSysColor(COLOR_WINDOW));
        EXPECT_TRUE(ink);
        EXPECT_EQ(at(first.left, first.top + h + h / 2) & 0xFFFFFF, rgb(GetSysColor(COLOR_WINDOW)));
    });
    int result = 0;
    yyselectdir_(1, result, 0, buffer, "Ordner", static_cast<int>(sizeof buffer));
    EXPECT_TRUE(looked);
    EXPECT_EQ(result, commontest::GuardAnswer);
    EXPECT_EQ(guarded_caption(), "Ordner");
    fs::current_path(dir.path());
}

} // namespace
