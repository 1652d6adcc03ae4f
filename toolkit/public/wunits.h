/// \file
/// Window units: 0 to 9999 across the width and down the height of the current window's client
/// area, converted with the size recorded in tessar01.
#pragma once

/// Units to pixels; 9999 is one pixel past the last column or row, negative units stay negative.
void WindowUnitsToPixels(const int& x, const int& y, int& xPixels, int& yPixels);
/// Pixels to units; the last column or row is 9999, and a size of 0 or 1 pixel gives 0.
void WindowUnitsFromPixels(const int& x, const int& y, int& xUnits, int& yUnits);
