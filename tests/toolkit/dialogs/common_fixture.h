// The toolkit's common dialogs on the headless screen. They are modal, so the keys that answer
// them are injected before the call; a guard on the owner ends a dialog the keys left open.
#pragma once

#include <functional>
#include <string>

#include "toolkit/windows/window_fixture.h"

namespace commontest {

void key(int vk, char c = 0);
// Types letters, digits, '.', '/', '-', '_', ' ' and '"' as the keys that make them.
void type(const std::string& text);

// The answer a guard gives a dialog that its keys did not end.
constexpr int GuardAnswer = 99;

class CommonDialogs : public testtk::ToolkitWindows {
protected:
    void SetUp() override;
    void TearDown() override;
    // Dialogs ended by the guard since SetUp.
    int guarded() const;
    // Called with the dialog before the guard ends it.
    void look_at_idle(std::function<void(HWND)> f);
    // The caption of the dialog the guard last ended.
    std::string guarded_caption() const;
};

} // namespace commontest
