// Bad arguments to WSelectFile: filters, flags, titles and filter indices outside their forms
// show the dialog of the arguments they stand for, without an error; the file name and the
// filter index come back as they were, and nothing but CommonResult and ExitPreviousField
// changes. The dialog is ended unanswered at its first idle moment, so its presented image is
// part of what the two calls must share; a name no file can have is refused by the platform
// with error 1004. In dialogs/select_file_test.cpp: names, directories,
// flags 1 to 32, cancel; file_filter_test.cpp: filters without their last separator.
#include <climits>
#include <filesystem>
#include <string>

#include "public/wsfile.h"
#include "support/equivalent_calls.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

using Row = testsupport::EquivalentCall;

plat::Surface shown; // the dialog as the user saw it
bool expectShown = true;

class BadInputWsFile : public commontest::CommonDialogs {
protected:
    void SetUp() override {
        CommonDialogs::SetUp();
        dir.write("eins.dat", "1");
        look_at_idle([](HWND box) { shown = testsupport::presented_surface(box); });
    }
    void start() {
        shown = plat::Surface();
        expectShown = true;
        tess::tk().tessar04.commonResult = 5;
        tess::tk().tessar04.exitPreviousField = 33;
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
    void add_dialog(testsupport::StateSnapshot& s) const {
        s.add_values("file dialog image",
                     std::vector<int>(shown.pixels.begin(), shown.pixels.end()));
        s.add_values("file dialog size", {shown.width, shown.height});
        const std::string caption = guarded_caption();
        s.add_values("file dialog caption", std::vector<int>(caption.begin(), caption.end()));
        const std::string cwd = std::filesystem::current_path().string();
        s.add_values("current directory", std::vector<int>(cwd.begin(), cwd.end()));
    }
    void TearDown() override {
        CommonDialogs::TearDown();
        shown = plat::Surface();
    }
};

constexpr const char* Filter = "Daten|*.dat|Alle|*.*|";

// The selection with a file-name variable of the given text and, when index is not 0, a filter
// index; both must come back unchanged.
void select(const std::string& filter, int flags, std::string name, const std::string& title,
            int index = 0) {
    const std::string given = name;
    if (index == 0) {
        WSelectFile(filter, flags, name, title);
    } else {
        int filterIndex = index;
        WSelectFile(filter, flags, name, title, filterIndex);
        EXPECT_EQ(filterIndex, index);
    }
    EXPECT_EQ(name, given);
    EXPECT_EQ(shown.width > 0, expectShown) << "whether the dialog was shown";
}

TEST_F(BadInputWsFile, ErrorNumberAndTheDialogItStandsFor) {
    const std::string blank(20, ' ');
    const std::string longFilter = "Daten|*.dat|" + std::string(288, 'x');
    const std::string longTitle(300, 'T');
    const Row rows[] = {
        {"blank filter", [&] { select("    ", 0, blank, "Wahl"); }, 0,
         [&] { select("", 0, blank, "Wahl"); }},
        {"separator alone", [&] { select("|", 0, blank, "Wahl"); }, 0,
         [&] { select("", 0, blank, "Wahl"); }},
        {"separators only", [&] { select("||||", 0, blank, "Wahl"); }, 0,
         [&] { select("", 0, blank, "Wahl"); }},
        {"filter over 255 characters", [&] { select(longFilter, 0, blank, "Wahl"); }, 0,
         [&] { select(longFilter.substr(0, 255), 0, blank, "Wahl"); }},
        {"flags -1", [&] { select(Filter, -1, blank, "Wahl"); }, 0,
         [&] { select(Filter, 63, blank, "Wahl"); }},
        {"flags INT_MIN", [&] { select(Filter, INT_MIN, blank, "Wahl"); }, 0,
         [&] { select(Filter, 0, blank, "Wahl"); }},
        {"flags 1000", [&] { select(Filter, 1000, blank, "Wahl"); }, 0,
         [&] { select(Filter, 1000 & 63, blank, "Wahl"); }},
        {"empty file name", [&] { select(Filter, 0, "", "Wahl"); }, 0,
         [&] { select(Filter, 0, blank, "Wahl"); }},
        {"empty title", [&] { select(Filter, 0, blank, ""); }, 0,
         [&] { select(Filter, 0, blank, "Select File"); }},
        {"title over 256 characters", [&] { select(Filter, 0, blank, longTitle); }, 0,
         [&] { select(Filter, 0, blank, longTitle.substr(0, 256)); }},
        // A name no directory can hold: the platform refuses the dialog (FNERR_INVALIDFILENAME),
        // which is error 1004 with its code as the dialog status.
        {"file name over a name's length",
         [&] {
             expectShown = false;
             select(Filter, 0, std::string(300, 'x'), "Wahl");
         },
         1004,
         [] {
             expectShown = false;
             tess::tk().tessar04.commonResult = 0;
             tess::tk().tessar04.exitPreviousField = 0;
             xxsetdialogstatus_(FNERR_INVALIDFILENAME);
         }},
        {"filter index 0", [&] { select(Filter, 0, blank, "Wahl", 0); }, 0,
         [&] { select(Filter, 0, blank, "Wahl", 1); }},
        {"filter index -1", [&] { select(Filter, 0, blank, "Wahl", -1); }, 0,
         [&] { select(Filter, 0, blank, "Wahl", 1); }},
        {"filter index INT_MAX", [&] { select(Filter, 0, blank, "Wahl", INT_MAX); }, 0,
         [&] { select(Filter, 0, blank, "Wahl", 1); }},
        {"filter index beyond the filters", [&] { select(Filter, 0, blank, "Wahl", 3); }, 0,
         [&] { select(Filter, 0, blank, "Wahl", 1); }},
    };
    testsupport::expect_equivalent([this] { start(); }, rows,
                                   [this](testsupport::StateSnapshot& s) { add_dialog(s); });
}

} // namespace
