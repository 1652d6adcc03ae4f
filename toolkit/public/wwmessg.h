// WMessage: one event at a time for the application.
#pragma once

#include "public/event_types.h"

namespace tess {

struct EventRecord {
    int Win = -1;
    int Value1 = -1, Value2 = -1, Value3 = -1, Value4 = -1;
    int X = -1, Y = -1;
    float GWidth = 0, GHeight = 0, GX = 0, GY = 0;
    int Time = 0;
};
static_assert(sizeof(EventRecord) == 48);

} // namespace tess

void WMessage(int& type, tess::EventRecord& message);
// Post-processing of a retrieved event: positions into window units, sizes recorded.
void yyevent_(int& type, tess::EventRecord& message);
