// The application's state: the formula's parameters, the ten result points, the result
// window and the last event.
#pragma once

#include <array>

#include "public/tessaramond.h"

namespace formaldrix {

using tess::MenuEnabledState;

struct General {
    double a = 0, b = 0, s = 0, xmin = 0, xmax = 0;
    int m = 0, n = 0;
    std::array<double, 11> xs{}, ys{}; // indices 1 to 10
    int resultWindow = -1;             // -1 while the result window is not open
    tess::FontDescription resultFont;  // the result window's text, taken when it opens
    int resultLineSpacing = 0;         // window units
    FixedString<256> fileName{"Formaldrix_Ergebnis.dat"}; // shared by loading and saving
    tess::WindowDescription root;
    int eventType = 0;
    tess::EventRecord event;
};

inline General general{};

// Menu identifiers of menu 30001.
enum MenuCommand : int {
    CmdLoad = 40003,
    CmdFormula = 40005,
    CmdInfo = 40006,
    CmdEnd = 40009,
    CmdSave = 40011
};
constexpr int MainMenu = 30001;
constexpr int FormulaDialog = 101;
constexpr int InfoDialog = 102;

} // namespace formaldrix
