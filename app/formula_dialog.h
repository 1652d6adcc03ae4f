// The formula dialog 101: OK reads, converts and evaluates its fields and shows the results;
// Cancel, command 8 and a close request hide it; other buttons ring the bell.
#pragma once

namespace formaldrix {

// For the application's current event, whose Win is 101.
void berechnungformel();

} // namespace formaldrix
