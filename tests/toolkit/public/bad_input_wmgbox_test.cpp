// Bad arguments to WMessageBox: codes outside their ranges show the box of the code they stand
// for, blank, empty and over-long texts the box of their significant text; no error, and
// nothing but CommonResult and ExitPreviousField changes. The box is ended unanswered at its
// first idle moment, so its presented image is part of what the two calls must share. In
// dialogs/message_box_test.cpp: answers and default buttons for sets 9 and -1, defaults 0, 7
// and -4.
#include <climits>
#include <string>

#include "public/wmgbox.h"
#include "support/equivalent_calls.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

using Row = testsupport::EquivalentCall;

class BadInputWmgBox : public commontest::CommonDialogs {
protected:
    void SetUp() override {
        CommonDialogs::SetUp();
        look_at_idle([this](HWND box) { shown = testsupport::presented_surface(box); });
    }
    void start() {
        shown = plat::Surface();
        tess::tk().tessar04.commonResult = 5;
        tess::tk().tessar04.exitPreviousField = 33;
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
    void add_box(testsupport::StateSnapshot& s) const {
        EXPECT_GT(shown.width, 0) << "the dialog was not shown";
        s.add_values("message box image",
                     std::vector<int>(shown.pixels.begin(), shown.pixels.end()));
        s.add_values("message box size", {shown.width, shown.height});
        const std::string caption = guarded_caption();
        s.add_values("message box caption", std::vector<int>(caption.begin(), caption.end()));
    }
    plat::Surface shown;
};

void box(int buttons, int icon, int defaultButton, const std::string& text = "Weiter?",
         const std::string& title = "Frage") {
    WMessageBox(buttons, icon, defaultButton, text, title);
}

TEST_F(BadInputWmgBox, NoErrorAndTheBoxItStandsFor) {
    const std::string longText(10000, 'z'), longTitle(1000, 'T');
    const Row rows[] = {
        {"button set INT_MIN", [] { box(INT_MIN, 0, 1); }, 0, [] { box(0, 0, 1); }},
        {"button set INT_MAX", [] { box(INT_MAX, 0, 1); }, 0, [] { box(0, 0, 1); }},
        {"button set 6", [] { box(6, 2, 1); }, 0, [] { box(0, 2, 1); }},
        {"icon -1", [] { box(1, -1, 1); }, 0, [] { box(1, 0, 1); }},
        {"icon 5", [] { box(1, 5, 1); }, 0, [] { box(1, 0, 1); }},
        {"icon INT_MAX", [] { box(3, INT_MAX, 1); }, 0, [] { box(3, 0, 1); }},
        {"default INT_MIN of three", [] { box(4, 0, INT_MIN); }, 0, [] { box(4, 0, 3); }},
        {"default INT_MAX of two", [] { box(1, 0, INT_MAX); }, 0, [] { box(1, 0, 2); }},
        {"empty text", [] { box(0, 0, 1, ""); }, 0, [] { box(0, 0, 1, "    "); }},
        {"text cut at a NUL", [] { box(0, 0, 1, std::string("Zeile\0Rest", 10)); }, 0,
         [] { box(0, 0, 1, "Zeile"); }},
        {"text of 10000 characters", [&] { box(0, 0, 1, longText + "   "); }, 0,
         [&] { box(0, 0, 1, longText); }},
        {"empty title", [] { box(0, 0, 1, "Weiter?", ""); }, 0,
         [] { box(0, 0, 1, "Weiter?", "  "); }},
        {"title of 1000 characters", [&] { box(0, 0, 1, "Weiter?", longTitle + " "); }, 0,
         [&] { box(0, 0, 1, "Weiter?", longTitle); }},
    };
    testsupport::expect_equivalent([this] { start(); }, rows,
                                   [this](testsupport::StateSnapshot& s) { add_box(s); });
}

} // namespace
