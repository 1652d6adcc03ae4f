// Settings established by WInitialise from its defaults, the environment and the configuration
// file.
#pragma once

#include "util/text_arg.h"

namespace tess {

// The platform's path separator.
constexpr char PathSeparator = '/';
constexpr int InitialisedMarker = -9999;

struct ToolkitSettings {
    int initialised = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int colourClass = 0;
    int colourCount = 0;
    int lfnGen = 40; // general file unit; the configuration file is read through it
    int lfnPlotOut = 41;
    int lfnPlotIn = 42;
    int printer = 0;
    int plotter = 0;
    FixedString<160> plotterFile{"tessadef.plt"};
    FixedString<160> charSet{"standard.chr"};
    FixedString<140> charDir{};
};

} // namespace tess
