// WMessageBox answered by keys: the default button after reduction, the answers mapped.
#include "public/wmgbox.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

using commontest::key;

struct BoxCase {
    int buttons, icon, defaultButton;
    int vk; // the key that answers
    int result;
};

class MessageBox : public commontest::CommonDialogs {};

TEST_F(MessageBox, DefaultButtonReductionAndAnswers) {
    const BoxCase cases[] = {
        {4, 0, 7, VK_RETURN, 0}, // Yes/No/Cancel, default 7: the third, Cancel
        {3, 0, 3, VK_RETURN, 2}, // Yes/No, default 3: the second, No
        {3, 2, 1, VK_RETURN, 1}, // Yes
        {0, 1, 3, VK_RETURN, 1}, // OK alone
        {9, 0, 2, VK_RETURN, 1}, // a set above 5 is OK alone
        {-1, 0, 2, VK_RETURN, 1}, {1, 2, 2, VK_RETURN, 0}, // OK/Cancel: Cancel
        {1, 2, 0, VK_RETURN, 0}, // two buttons: anything but 1 is the second
        {3, 0, 0, VK_RETURN, 2},  {2, 3, 1, VK_RETURN, 1}, // Retry
        {2, 3, 2, VK_RETURN, 0},                           // Cancel
        {5, 4, 1, VK_RETURN, 2},                           // Abort
        {5, 4, 2, VK_RETURN, 1},                           // Retry
        {5, 4, 3, VK_RETURN, 0},                           // Ignore
        {5, 4, -4, VK_RETURN, 0},                          // anything but 1 and 2: the third
        {4, 0, 1, VK_ESCAPE, 0},                           // Esc cancels
        {1, 0, 1, VK_ESCAPE, 0},
    };
    for (const auto& c : cases) {
        tess::tk().tessar04.exitPreviousField = 33;
        key(c.vk, c.vk == VK_RETURN ? '\r' : '\x1b');
        WMessageBox(c.buttons, c.icon, c.defaultButton, "Weiter?   ", "Frage ");
        EXPECT_EQ(tess::tk().tessar04.commonResult, c.result)
            << c.buttons << "/" << c.defaultButton;
        EXPECT_EQ(tess::tk().tessar04.exitPreviousField, 0);
        EXPECT_EQ(InfoError(1), 0);
    }
    EXPECT_EQ(guarded(), 0);
}

} // namespace
