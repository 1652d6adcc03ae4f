#include "core/context.h"
#include "public/infoerr.h"
#include "util/error_record.h"

#include <gtest/gtest.h>

namespace {

class ErrorRecordTest : public ::testing::Test {
protected:
    void SetUp() override { tess::tk().errors = {}; }
};

TEST_F(ErrorRecordTest, QueryReturnsTheLastFailureAndClearsOnlyItsField) {
    xxerror_(4);
    xxerror_(12);
    xxsetfilestatus_(2);
    xxsetdialogstatus_(9);
    EXPECT_EQ(InfoError(1), 12);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(InfoError(2), 2);
    EXPECT_EQ(InfoError(2), 0);
    EXPECT_EQ(InfoError(3), 9);
}

TEST_F(ErrorRecordTest, EveryOtherKindReadsTheDialogStatus) {
    xxsetdialogstatus_(5);
    EXPECT_EQ(InfoError(7), 5);
    EXPECT_EQ(InfoError(3), 0);
    xxsetdialogstatus_(6);
    EXPECT_EQ(InfoError(-1), 6);
    EXPECT_EQ(InfoError(0), 0);
}

TEST_F(ErrorRecordTest, DebugLevelAcceptsZeroToFourOnly) {
    IDebugLevel(3);
    EXPECT_EQ(tess::tk().errors.debug_level, 3);
    for (int bad : {5, -1, -16, 2147483647}) {
        IDebugLevel(bad);
        EXPECT_EQ(tess::tk().errors.debug_level, 3) << bad;
    }
    IDebugLevel(0);
    EXPECT_EQ(tess::tk().errors.debug_level, 0);
}

} // namespace
