// The guide's program: the toolkit calls MainProgram once it has started.
#include "guide.h"

void MainProgram() {
    guide::open_guide_window();
    guide::GuideState state;
    guide::draw(state);
    int type = 0;
    tess::EventRecord event;
    do {
        WMessage(type, event); // waits for the next event
    } while (guide::handle_event(type, event, state));
    WindowClose();
}
