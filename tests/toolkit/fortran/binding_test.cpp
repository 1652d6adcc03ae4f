// The Fortran binding: the same calls made from Fortran (binding_calls.f90, through the module
// tessaramond) and from C++ give the same results. Texts sit in front of a guard of '#', so a
// hidden length taken from the wrong argument, or not honoured, shows in the buffer.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/context.h"
#include "dialogs/wfield.h"
#include "public/tessaramond.h"
#include "toolkit/windows/window_fixture.h"

extern "C" {
void fb_constants(int* values);
void fb_layout(int* values);
void fb_strings(const char* text, int n, int width, const char* code, int ncode, int* numbers,
                char* upper, char* lower, char* justified);
void fb_os_variable(const char* name, int n, int width, char* value);
void fb_read_file(const char* name, int n, double* reals, char* chars, int* whole, int* counts);
void fb_window_open(int flags, int width, int height, const char* title, int n, int colours,
                    int hasColours, int* state);
void fb_dialog_show(int id, int focus, int hasFocus, int mode, int hasMode, int* current);
void fb_field(int field, int width, char* text, int* numbers);
void fb_message(int* type, int* whole, float* reals);
void fb_select_file(int flags, int* index, int hasIndex, char* name, int* numbers);
}

namespace {

constexpr std::size_t Guarded = 40;
using Buffer = std::array<char, Guarded>;

std::string str(const Buffer& b) {
    return std::string(b.data(), b.size());
}

// text, blank-padded to width, in front of the guard: what the Fortran side builds.
Buffer guarded(const std::string& text, std::size_t width, char fill = ' ') {
    Buffer b;
    b.fill('#');
    std::fill_n(b.begin(), width, fill);
    std::copy_n(text.begin(), std::min(text.size(), width), b.begin());
    return b;
}

tess::TextRef ref(Buffer& b, std::size_t width) {
    return tess::TextRef(b.data(), width);
}

TEST(FortranBinding, NamedConstantsAreTheCppOnes) {
    using namespace tess;
    const std::vector<int> expected{EventKey,          EventMenu,          EventDialogCommand,
                                    EventButtonDown,   EventButtonUp,      EventMouseMove,
                                    EventRedraw,       EventResize,        EventCloseRequest,
                                    EventFieldFocus,   EventFrameClick,    EventTimer,
                                    WinFlagSystemMenu, WinFlagMinimiseBox, WinFlagMaximiseBox,
                                    WinFlagMaximised,  WinFlagInsideRoot,  WinFlagStatusBar,
                                    WinFlagFixedSize,  WinFlagHidden,      WinFlagOwnedByRoot,
                                    WinFlagTopmost,    KindOther,          KindStaticText,
                                    KindStatic,        KindGroupBox,       KindEdit,
                                    KindPushButton,    KindCheckBox,       KindRadioButton,
                                    KindCombo,         KindList,           KindTab,
                                    KindProgress,      KindTrackbar,       ColourBlack,
                                    ColourDarkRed,     ColourDarkYellow,   ColourDarkGreen,
                                    ColourDarkCyan,    ColourDarkBlue,     ColourDarkMagenta,
                                    ColourLightGrey,   ColourDarkGrey,     ColourRed,
                                    ColourYellow,      ColourGreen,        ColourCyan,
                                    ColourBlue,        ColourMagenta,      ColourWhite,
                                    ColourSystem,      MenuEnabledState,   MenuCheckedState,
                                    ErrorMenuItem,     PlotCopy,           PlotMerge,
                                    PlotMask,          PlotExclusiveOr,    LineSolid,
                                    LineDotted,        LineDashed,         LineDashDot,
                                    LineDashDotDot,    GrCharOutMax};
    std::vector<int> fortran(expected.size(), -1);
    fb_constants(fortran.data());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(fortran[i], expected[i]) << "constant " << i + 1;
}

TEST(FortranBinding, RecordLayoutsAreTheCppOnes) {
    using namespace tess;
    const std::vector<std::size_t> expected{sizeof(EventRecord),
                                            offsetof(EventRecord, X),
                                            offsetof(EventRecord, GX),
                                            offsetof(EventRecord, Time),
                                            sizeof(WindowDescription),
                                            offsetof(WindowDescription, MenuId),
                                            offsetof(WindowDescription, Title),
                                            sizeof(FontDescription),
                                            offsetof(FontDescription, Background),
                                            sizeof(Tessar01),
                                            offsetof(Tessar01, screenColours),
                                            offsetof(Tessar01, windowFlags),
                                            sizeof(Tessar02),
                                            sizeof(Tessar03),
                                            offsetof(Tessar03, charHeight),
                                            sizeof(Tessar04),
                                            offsetof(Tessar04, commonResult),
                                            sizeof(Tessar05)};
    std::vector<int> fortran(expected.size(), -1);
    fb_layout(fortran.data());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(fortran[i], static_cast<int>(expected[i])) << "size or offset " << i + 1;
}

// Two texts in one call (IJustifyString) check that the hidden lengths arrive in order.
TEST(FortranBinding, StringRoutinesSeeTheVariablesLengthOnly) {
    const struct {
        std::string text;
        int width;
        std::string code;
    } cases[] = {
        {"  Abc 12 ", 9, "L"}, {"Hello World", 3, "R"},  {"  42", 10, "C"},       {"", 4, "R"},
        {"-17 x", 5, "RIGHT"}, {"MiXeD cAsE 9", 14, ""}, {"99999999999", 12, "l"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + "|" + std::to_string(c.width) + "|" + c.code);
        const auto width = static_cast<std::size_t>(c.width);
        std::array<int, 6> fortran{};
        Buffer upper, lower, justified;
        InfoError(1);
        fb_strings(c.text.data(), static_cast<int>(c.text.size()), c.width, c.code.data(),
                   static_cast<int>(c.code.size()), fortran.data(), upper.data(), lower.data(),
                   justified.data());

        Buffer b = guarded(c.text, width);
        std::array<int, 6> cpp{};
        InfoError(1);
        cpp[0] = IActualLength(ref(b, width));
        cpp[1] = ILocateChar(ref(b, width));
        ILocateString(ref(b, width), cpp[2], cpp[3]);
        cpp[4] = -7;
        IStringToInteger(ref(b, width), cpp[4]);
        cpp[5] = InfoError(1);
        EXPECT_EQ(fortran, cpp);
        Buffer u = b, l = b, j = b;
        IUpperCase(ref(u, width));
        ILowerCase(ref(l, width));
        IJustifyString(ref(j, width), tess::TextRef(c.code));
        EXPECT_EQ(str(upper), str(u));
        EXPECT_EQ(str(lower), str(l));
        EXPECT_EQ(str(justified), str(j));
    }
}

TEST(FortranBinding, OsVariableFillsTheVariableItIsGiven) {
    ::setenv("TESS_FB_SHORT", "abc", 1);
    ::setenv("TESS_FB_LONG", "a value longer than ten", 1);
    ::unsetenv("TESS_FB_UNSET");
    const struct {
        std::string name;
        int width;
    } cases[] = {{"TESS_FB_SHORT", 10},
                 {"TESS_FB_SHORT", 3},
                 {"TESS_FB_LONG", 10},
                 {"TESS_FB_UNSET", 6},
                 {"TESS_FB_SHORT ", 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + "|" + std::to_string(c.width));
        Buffer fortran;
        fb_os_variable(c.name.data(), static_cast<int>(c.name.size()), c.width, fortran.data());
        Buffer cpp = guarded("", static_cast<std::size_t>(c.width), '?');
        IOsVariable(tess::TextRef(c.name), ref(cpp, static_cast<std::size_t>(c.width)));
        EXPECT_EQ(str(fortran), str(cpp));
    }
}

TEST(FortranBinding, RawReadsFillFortranVariablesOfAnyType) {
    testsupport::TempDir dir;
    const double reals[3] = {1.5, -2.25, 1e300};
    const int whole = 4711;
    std::string bytes(reinterpret_cast<const char*>(reals), sizeof reals);
    bytes += "Hallo";
    bytes.append(reinterpret_cast<const char*>(&whole), sizeof whole);
    const std::string name = dir.write("raw.bin", bytes);

    double fortranReals[3] = {};
    Buffer chars;
    int fortranWhole = 0;
    std::array<int, 4> counts{};
    fb_read_file(name.data(), static_cast<int>(name.size()), fortranReals, chars.data(),
                 &fortranWhole, counts.data());
    EXPECT_EQ(std::memcmp(fortranReals, reals, sizeof reals), 0);
    EXPECT_EQ(str(chars), str(guarded("Hallo", 5, ' ')));
    EXPECT_EQ(fortranWhole, whole);

    // The same reads in C++ count the same bytes.
    int handle = -1;
    double cppReals[3] = {};
    Buffer cppChars = guarded("", 0);
    int cppWhole = 0;
    std::array<int, 4> cppCounts{};
    IFileOpen(tess::TextRef(name), 0, handle);
    IFileRead(handle, cppReals, 24, cppCounts[0]);
    IFileReadChar(handle, ref(cppChars, 5), 5, cppCounts[1]);
    IFileRead4(handle, cppWhole, 4, cppCounts[2]);
    IFileRead(handle, cppWhole, 4, cppCounts[3]);
    IFileClose(handle);
    EXPECT_EQ(counts, cppCounts);
    EXPECT_EQ(counts, (std::array<int, 4>{24, 5, 4, 0}));
}

class FortranSession : public testtk::ToolkitWindows {
protected:
    static std::string caption(HWND w) {
        char text[128] = {};
        GetWindowTextA(w, text, sizeof text);
        return text;
    }
    static int focused_field() {
        const HWND f = GetFocus();
        return f ? GetDlgCtrlID(f) : 0;
    }
    // What a shown dialog looks like from outside, the shared record included.
    std::array<int, 4> dialog_state(int fortranCurrent) {
        return {fortranCurrent, focused_field(), IsWindowEnabled(frame(0)) ? 1 : 0,
                tess::tessar04().currentDialog};
    }
};

// The colour count is optional: absent, WindowOpen takes its default.
TEST_F(FortranSession, WindowOpenWithAndWithoutTheColourCount) {
    const struct {
        int flags, width, height;
        std::string title;
        int colours;
        bool hasColours;
    } cases[] = {{7, 600, 400, "Fortran-Fenster", 0, false},
                 {1, 300, 200, "Mit Farben", 64, true},
                 {39, 500, 300, "Statuszeile", 7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::array<int, 5> fortran{};
        fb_window_open(c.flags, c.width, c.height, c.title.data(), static_cast<int>(c.title.size()),
                       c.colours, c.hasColours, fortran.data());
        const std::string fortranCaption = caption(frame(0));
        const int fortranColours = tess::tk().display.ngColours;
        WindowClose();

        tess::WindowDescription d;
        d.Flags = c.flags;
        d.Left = d.Top = 10;
        d.Width = c.width;
        d.Height = c.height;
        d.Title = c.title;
        if (c.hasColours)
            WindowOpen(d, c.colours);
        else
            WindowOpen(d);
        const tess::Tessar01& t = tess::tk().tessar01;
        EXPECT_EQ(fortran, (std::array<int, 5>{t.rootOpen, t.currentWindow, t.windowFlags[0],
                                               t.windowWidth, t.windowHeight}));
        EXPECT_EQ(fortranCaption, caption(frame(0)));
        EXPECT_EQ(fortranCaption, c.title);
        EXPECT_EQ(fortranColours, tess::tk().display.ngColours);
        WindowClose();
    }
}

// Focus and mode are optional: absent, they take the defaults (no field, modeless). Dialog 101
// is child-style and always modeless, so the modes are tried on the pop-up dialog 102.
TEST_F(FortranSession, DialogShowWithAndWithoutFocusAndMode) {
    open_root(600, 400);
    const struct {
        int dialog, focus;
        bool hasFocus;
        int mode;
        bool hasMode;
    } cases[] = {{101, 0, false, 0, false}, {101, 1014, true, 0, false}, {101, 1020, true, 2, true},
                 {102, 0, false, 0, false}, {102, 0, false, 3, true},    {102, 1, true, 3, true},
                 {102, 1, true, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dialog) + ": " + std::to_string(c.focus) + "/" +
                     std::to_string(c.hasFocus) + " " + std::to_string(c.mode) + "/" +
                     std::to_string(c.hasMode));
        int current = -1;
        fb_dialog_show(c.dialog, c.focus, c.hasFocus, c.mode, c.hasMode, &current);
        const auto fortran = dialog_state(current);
        WDialogUnload();

        WDialogLoad(c.dialog);
        if (c.hasMode)
            WDialogShow(10, 10, c.focus, c.mode);
        else if (c.hasFocus)
            WDialogShow(10, 10, c.focus);
        else
            WDialogShow(10, 10);
        EXPECT_EQ(fortran, dialog_state(tess::tessar04().currentDialog));
        EXPECT_EQ(fortran[0], c.dialog);
        WDialogUnload();
    }
}

TEST_F(FortranSession, FieldsReadIntoVariablesOfTheirLength) {
    open_root(600, 400);
    WDialogLoad(101);
    WDialogShow(10, 10);
    InfoError(1);
    const struct {
        int field, width;
    } cases[] = {{1013, 20}, {1013, 2}, {1015, 5}, {1017, 20}, {1020, 1}, {1021, 3}, {9999, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + "/" + std::to_string(c.width));
        Buffer fortranText;
        std::array<int, 4> fortran{};
        fb_field(c.field, c.width, fortranText.data(), fortran.data());

        const auto width = static_cast<std::size_t>(c.width);
        Buffer text = guarded("", width, '?');
        std::array<int, 4> cpp{};
        WDialogGetString(c.field, ref(text, width));
        cpp[0] = InfoError(1);
        cpp[1] = -7;
        WDialogGetRadioButton(c.field, cpp[1]);
        cpp[2] = InfoError(1);
        EXPECT_EQ(str(fortranText), str(text));
        EXPECT_EQ(fortran, cpp);
    }
}

TEST_F(FortranSession, EventsArriveInTheFortranRecord) {
    open_root(600, 400);
    const std::function<void()> causes[] = {
        [this] { PostMessageA(frame(0), WM_CLOSE, 0, 0); },
        [] {
            plat::inject_key('A', 'a', true);
            plat::inject_key('A', 'a', false);
        },
        [this] { PostMessageA(frame(0), WM_COMMAND, 40005, 0); },
    };
    for (std::size_t i = 0; i < std::size(causes); ++i) {
        SCOPED_TRACE(i);
        causes[i]();
        int fortranType = 0;
        std::array<int, 8> whole{};
        std::array<float, 4> reals{};
        fb_message(&fortranType, whole.data(), reals.data());
        drain();

        causes[i]();
        int type = 0;
        tess::EventRecord e;
        WMessage(type, e);
        EXPECT_EQ(fortranType, type);
        // The time differs between the two; every other field must agree.
        EXPECT_EQ(whole, (std::array<int, 8>{e.Win, e.Value1, e.Value2, e.Value3, e.Value4, e.X,
                                             e.Y, whole[7]}));
        EXPECT_EQ(reals, (std::array<float, 4>{e.GWidth, e.GHeight, e.GX, e.GY}));
        drain();
    }
}

// The filter index is optional: absent, the first filter is offered and none is reported. The
// keys that answer the modal selection wait in the input queue before it opens.
TEST_F(FortranSession, SelectFileWithAndWithoutTheFilterIndex) {
    open_root(600, 400);
    const auto answer = [](bool accept) {
        const int vk = accept ? VK_RETURN : VK_ESCAPE;
        plat::inject_key(vk, accept ? '\r' : '\x1b', true);
        plat::inject_key(vk, 0, false);
    };
    // Flag 32 appends the extension of the filter in use, which shows the index that arrived.
    const struct {
        int flags, index;
        bool hasIndex, accept;
        const char* extension;
    } cases[] = {{33, 2, true, true, ".dat"},
                 {33, 0, false, true, ".txt"},
                 {33, 1, true, true, ".txt"},
                 {1, 2, true, false, ""},
                 {0, 0, false, false, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.flags) + " " + std::to_string(c.index) + "/" +
                     std::to_string(c.hasIndex) + " " + std::to_string(c.accept));
        const std::string offered = (dir.path() / "wahl").string();
        Buffer fortranName = guarded(offered, 30);
        int fortranIndex = c.index;
        std::array<int, 2> fortran{};
        answer(c.accept);
        fb_select_file(c.flags, &fortranIndex, c.hasIndex, fortranName.data(), fortran.data());
        drain();

        Buffer name = guarded(offered, 30);
        int index = c.index;
        answer(c.accept);
        if (c.hasIndex)
            WSelectFile("Texte|*.txt|Daten|*.dat|", c.flags, ref(name, 30), "Fortran-Auswahl",
                        index);
        else
            WSelectFile("Texte|*.txt|Daten|*.dat|", c.flags, ref(name, 30), "Fortran-Auswahl");
        const std::array<int, 2> cpp{tess::tessar04().commonResult, InfoError(1)};
        drain();
        EXPECT_EQ(fortran, cpp);
        EXPECT_EQ(fortran[0], c.accept ? 1 : 0);
        EXPECT_EQ(str(fortranName), str(name));
        EXPECT_EQ(fortranIndex, index);
        EXPECT_EQ(tess::TextRef(fortranName.data(), 30).str(), offered + c.extension);
    }
}

} // namespace
