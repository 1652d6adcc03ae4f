// Window units: 0 to 9999 across and down the current window's client area.
#pragma once

void WindowUnitsToPixels(const int& x, const int& y, int& px, int& py);
void WindowUnitsFromPixels(const int& px, const int& py, int& x, int& y);
