/// \file
/// WMessage: one event at a time for the application.
#pragma once

#include "public/event_types.h"

namespace tess {

/// The values of an event; their meaning depends on its EventType. Positions and sizes are in
/// window units of the event's window, GX to GHeight in graphics units.
struct EventRecord {
    int Win = -1; ///< the window number, or the dialog identifier of a dialog event
    /// Values of the event type (see EventType); -1 where unused.
    ///@{
    int Value1 = -1, Value2 = -1, Value3 = -1, Value4 = -1;
    ///@}
    /// Pointer position or top-left corner of a redraw; -1 where unused.
    ///@{
    int X = -1, Y = -1;
    ///@}
    /// X, Y and a redraw's size in the graphics units of IGrUnits.
    ///@{
    float GWidth = 0, GHeight = 0, GX = 0, GY = 0;
    ///@}
    int Time = 0; ///< the message time
};
static_assert(sizeof(EventRecord) == 48);

} // namespace tess

/// Waits for the next event and returns it: \p type its EventType, \p message its values.
/// Mouse and redraw positions are converted to window units of the event's window; a resize is
/// recorded as that window's size before it is handed over.
void WMessage(int& type, tess::EventRecord& message);
