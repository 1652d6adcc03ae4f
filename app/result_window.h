// The result window "Ergebnis": opened on the first results, redrawn in full on every event
// that reaches it, closed on a close request or a command 2 or 8. "&Speichern" is enabled
// exactly while it is open.
#pragma once

namespace formaldrix {

// 0: show the current results; 1: the application's current event is for the result window.
void zeigergebnis(const int& mode);

} // namespace formaldrix
