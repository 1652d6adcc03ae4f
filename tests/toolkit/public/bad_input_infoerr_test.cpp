// Kinds InfoError does not name read and clear the dialog status only; debug levels outside
// 0 to 4 change nothing. Already covered in infoerr_test.cpp: kinds 0, -1, 3 and 7; levels 5,
// -1, -16 and INT_MAX.
#include "public/infoerr.h"

#include <climits>

#include "support/state_snapshot.h"

namespace {

TEST(BadErrorQueries, OtherKindsTouchOnlyTheDialogStatus) {
    const struct {
        const char* what;
        int kind;
        int result;
        tess::ErrorRecord after; // error, file status, dialog status, debug level
    } rows[] = {
        {"kind INT_MIN", INT_MIN, 5, {3, 4, 0, 2}},
        {"kind INT_MAX", INT_MAX, 5, {3, 4, 0, 2}},
        {"kind 2 counted from zero is not 1", 0, 5, {3, 4, 0, 2}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        tess::tk().errors = {3, 4, 5, 2};
        EXPECT_EQ(InfoError(r.kind), r.result);
        const tess::ErrorRecord& e = tess::tk().errors;
        EXPECT_EQ(e.error, r.after.error);
        EXPECT_EQ(e.file_status, r.after.file_status);
        EXPECT_EQ(e.dialog_status, r.after.dialog_status);
        EXPECT_EQ(e.debug_level, r.after.debug_level);
    }
}

TEST(BadErrorQueries, DebugLevelsOutOfRangeChangeNothing) {
    tess::tk().errors = {0, 4, 5, 2};
    const auto level = [](int l) { return [l] { IDebugLevel(l); }; };
    const testsupport::BadCall rows[] = {
        {"INT_MIN", level(INT_MIN), 0},
        {"the blank of an unset TESSDEBUG, -16", level(' ' - '0'), 0},
        {"a digit too many, 10", level(10), 0},
        {"a letter, 'x' - '0'", level('x' - '0'), 0},
    };
    testsupport::expect_only_errors(rows);
    EXPECT_EQ(tess::tk().errors.debug_level, 2);
    tess::tk().errors = {};
}

} // namespace
