// The one modal loop: the owner's state, idle messages, WM_QUIT, the ways it ends, the filter.
#include "message_recorder.h"
#include "window/modal_loop.h"

using namespace testmsg;

namespace {

class ModalLoopTest : public WindowTest {};

struct IdleSeen {
    WPARAM code;
    LPARAM shown;
    bool ownerEnabled;
};
std::vector<IdleSeen>* idles = nullptr;

LRESULT CALLBACK idle_owner_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && idles)
        idles->push_back({wParam, lParam, IsWindowEnabled(hwnd) != FALSE});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(ModalLoopTest, OwnerIsDisabledMeanwhileAndHearsIdleWithTheCallersCode) {
    struct Case {
        WPARAM code;
        bool disable;
    };
    for (const Case c : {Case{MSGF_DIALOGBOX, true}, Case{MSGF_MENU, false}}) {
        const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(idle_owner_proc));
        const HWND dialog = CreateWindowExA(0, "TestFrame", "Dialog", WS_POPUP | WS_VISIBLE, 0, 0,
                                            50, 50, owner, nullptr, nullptr, nullptr);
        std::vector<IdleSeen> seen;
        idles = &seen;
        plat::ModalLoop loop;
        loop.owner = owner;
        loop.window = dialog;
        loop.disableOwner = c.disable;
        loop.idleCode = static_cast<int>(c.code);
        loop.done = [&] { return seen.size() >= 2; };
        // Each message taken makes the queue run dry once more: one idle message each time.
        loop.idle = [&] { PostMessageA(owner, WM_USER, 0, 0); };
        EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Done);
        idles = nullptr;
        ASSERT_EQ(seen.size(), 2u);
        for (const IdleSeen& s : seen) {
            EXPECT_EQ(s.code, c.code);
            EXPECT_EQ(s.shown, reinterpret_cast<LPARAM>(dialog));
            EXPECT_EQ(s.ownerEnabled, !c.disable);
        }
        EXPECT_TRUE(IsWindowEnabled(owner)); // enabled again afterwards
        DestroyWindow(owner);
    }
}

TEST_F(ModalLoopTest, AnOwnerDisabledBeforehandStaysDisabled) {
    const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EnableWindow(owner, FALSE);
    plat::ModalLoop loop;
    loop.owner = owner;
    loop.disableOwner = true;
    loop.done = [] { return true; };
    EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Done);
    EXPECT_FALSE(IsWindowEnabled(owner));
}

TEST_F(ModalLoopTest, EndsWhenTheOwnerOrTheModalWindowIsDestroyed) {
    for (const bool destroyOwner : {true, false}) {
        const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        const HWND dialog = CreateWindowExA(0, "TestFrame", "Dialog", WS_POPUP | WS_VISIBLE, 0, 0,
                                            50, 50, owner, nullptr, nullptr, nullptr);
        plat::ModalLoop loop;
        loop.owner = owner;
        loop.window = dialog;
        loop.disableOwner = true;
        int rounds = 0;
        loop.done = [&] { return ++rounds > 1000; }; // a guard: the loop must end before
        loop.idle = [&] { DestroyWindow(destroyOwner ? owner : dialog); };
        EXPECT_EQ(plat::run_modal_loop(loop),
                  destroyOwner ? plat::ModalEnd::OwnerDestroyed : plat::ModalEnd::WindowDestroyed);
        EXPECT_LT(rounds, 1000);
        if (!destroyOwner) {
            EXPECT_TRUE(IsWindowEnabled(owner));
            DestroyWindow(owner);
        }
    }
}

TEST_F(ModalLoopTest, QuitEndsTheLoopAndIsPostedAgainForTheOuterLoop) {
    const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    PostMessageA(owner, WM_USER, 0, 0);
    PostQuitMessage(7);
    plat::ModalLoop loop;
    loop.owner = owner;
    loop.disableOwner = true;
    EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Quit);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(ModalLoopTest, TheFilterConsumesWhatItTakesAndTheRestIsDispatched) {
    const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    recorder.watch(owner);
    recorder.clear();
    for (WPARAM i = 0; i < 4; ++i)
        PostMessageA(owner, WM_USER, i, 0);
    std::vector<WPARAM> consumed;
    plat::ModalLoop loop;
    loop.filter = [&](MSG& msg) {
        if (msg.message != WM_USER || msg.wParam % 2) return false;
        consumed.push_back(msg.wParam);
        return true;
    };
    bool empty = false;
    loop.idle = [&] { empty = true; };
    loop.done = [&] { return empty; };
    EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Done);
    EXPECT_EQ(consumed, (std::vector<WPARAM>{0, 2}));
    const std::vector<Message> WmDispatchedSeq = {{WM_USER, posted | wparam, 1},
                                                  {WM_USER, posted | wparam, 3}};
    recorder.ignore(WM_PAINT);
    CHECK_SEQUENCE(recorder, WmDispatchedSeq);
}

TEST_F(ModalLoopTest, DepthCountsNestedLoopsAndFallsBackHoweverTheyEnd) {
    // The inner loop ends each way a loop can end; the outer one sees its own depth after it.
    for (const plat::ModalEnd how : {plat::ModalEnd::Done, plat::ModalEnd::WindowDestroyed,
                                     plat::ModalEnd::OwnerDestroyed, plat::ModalEnd::Quit}) {
        const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        const HWND inner = CreateWindowExA(0, "TestFrame", "Inner", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                           50, nullptr, nullptr, nullptr, nullptr);
        std::vector<int> depths;
        plat::ModalLoop in;
        in.owner = owner;
        in.window = inner;
        in.idle = [&] {
            depths.push_back(plat::modal_loop_depth());
            if (how == plat::ModalEnd::WindowDestroyed) DestroyWindow(inner);
            if (how == plat::ModalEnd::OwnerDestroyed) DestroyWindow(owner);
            if (how == plat::ModalEnd::Quit) PostQuitMessage(0);
        };
        in.done = [&] { return how == plat::ModalEnd::Done && !depths.empty(); };
        plat::ModalLoop out;
        bool ran = false;
        out.idle = [&] {
            if (ran) return;
            ran = true;
            EXPECT_EQ(plat::run_modal_loop(in), how);
            depths.push_back(plat::modal_loop_depth());
        };
        out.done = [&] { return ran; };
        EXPECT_EQ(plat::run_modal_loop(out), plat::ModalEnd::Done);
        EXPECT_EQ(depths, (std::vector<int>{2, 1})) << static_cast<int>(how);
        EXPECT_EQ(plat::modal_loop_depth(), 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        if (IsWindow(inner)) DestroyWindow(inner);
        if (IsWindow(owner)) DestroyWindow(owner);
    }
}

} // namespace
