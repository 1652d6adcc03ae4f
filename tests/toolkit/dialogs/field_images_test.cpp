// Images on dialog fields: none outlives its dialog, and none goes while a field still shows it
// (a loaded dialog and its modal instance show the same ones).
#include <functional>
#include <vector>

#include "dialog_fixture.h"
#include "dialogs/wfield.h"

namespace dlgtest {
namespace {

using FieldImagesTest = DialogTest;

std::vector<HGDIOBJ> shown_images(HWND all) {
    return {reinterpret_cast<HGDIOBJ>(
                SendMessageA(GetDlgItem(all, ID_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0)),
            reinterpret_cast<HGDIOBJ>(
                SendMessageA(GetDlgItem(all, ID_BMPBUTTON), BM_GETIMAGE, IMAGE_BITMAP, 0))};
}

bool alive(HGDIOBJ image) {
    BITMAP bm{};
    return GetObjectA(image, sizeof bm, &bm) != 0;
}

TEST_F(FieldImagesTest, NoImageOutlivesItsDialogAndNoneGoesWhileShown) {
    const auto modal = [] {
        press(VK_ESCAPE);
        WDialogShow(1000, 1000, 0, 1);
    };
    struct Case {
        const char* what;
        std::function<void()> life;
    };
    const Case cases[] = {
        {"loaded and unloaded", [] {}},
        {"shown modal", modal},
        {"shown modal three times",
         [&] {
             for (int i = 0; i < 3; ++i)
                 modal();
         }},
        {"a picture replaced, then shown modal",
         [&] {
             int f = ID_PICTURE;
             yyfieldimage_(f, ID_BMPBUTTON, 1);
             EXPECT_EQ(f, ID_PICTURE);
             modal();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const HWND all = load(DLG_ALL);
        std::vector<HGDIOBJ> seen = shown_images(all);
        c.life();
        for (HGDIOBJ image : shown_images(all)) {
            EXPECT_TRUE(image && alive(image)); // still shown, so still there
            seen.push_back(image);
        }
        WDialogUnload();
        drain();
        for (HGDIOBJ image : seen)
            EXPECT_FALSE(alive(image));
        EXPECT_TRUE(table().fieldImages.empty());
    }
}

} // namespace
} // namespace dlgtest
