// The guide's program in its parts, so that its tests can run each of them.
#pragma once

#include "public/tessaramond.h"

namespace guide {

// What the window shows.
struct GuideState {
    FixedString<60> greeting{"Choose File > Name... to be greeted."};
    FixedString<260> file{"No file chosen yet."};
};

void open_guide_window();
void draw(const GuideState& state);
bool ask_name(GuideState& state);
bool choose_file(GuideState& state);
// Handles one event; false once the program is to end.
bool handle_event(int type, const tess::EventRecord& event, GuideState& state);

} // namespace guide
