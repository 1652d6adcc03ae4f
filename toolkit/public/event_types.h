/// \file
/// The event type codes that WMessage hands to the application.
#pragma once

namespace tess {

/// The event type WMessage returns; tess::EventRecord holds its values. Positions and sizes are
/// window units of the event's window.
enum EventType : int {
    /// A key: Value1 the character code 1..255 or a key code; X, Y the pointer.
    EventKey = 1,
    /// A menu item or accelerator: Value1 the item identifier.
    EventMenu = 2,
    /// A push button or other command of a modeless dialog: Value1 the control, Value2 the field
    /// that had the focus, Win the dialog.
    EventDialogCommand = 3,
    /// A mouse button pressed: Value1 1 left, 2 middle, 3 right; Value2 the time in 10 ms; X, Y
    /// the pointer.
    EventButtonDown = 4,
    /// A mouse button released; values as EventButtonDown.
    EventButtonUp = 5,
    /// The pointer moved: Value2 the time in 10 ms; X, Y the pointer.
    EventMouseMove = 6,
    /// Part of a window must be drawn again: X, Y its top-left corner, Value1, Value2 its size.
    EventRedraw = 7,
    /// A new client size: Value1, Value2 in pixels.
    EventResize = 8,
    /// The user asks to close window Win; it stays open until the program closes it.
    EventCloseRequest = 9,
    /// The focus moved between fields of a modeless dialog: Value1 the field that lost it, Value2
    /// the one that got it.
    EventFieldFocus = 10,
    /// A mouse button on a frame or caption: Value1 the button.
    EventFrameClick = 12,
    /// A timer ran out: Value1 its identifier.
    EventTimer = 13,
    // Between the dialog procedure and the translator only.
    EventFieldButtonDown = 104, ///< internal
    EventFieldButtonUp = 105,   ///< internal
    EventFieldMouseMove = 106,  ///< internal
    EventFieldRedraw = 107      ///< internal
};

} // namespace tess
