// IGrInit, IGrArea, IGrUnits and IGrColourN over the graphics state.
#include "public/grinit.h"

#include "graphics/charset_load.h"
#include "graphics/grstate.h"

using namespace tess;

void IGrInit(TextRef device, const int&, const int&, const int&) {
    xxginit_(device);
    xxcharprobe_();
    xxginitend_();
}

void IGrArea(const float& x1, const float& y1, const float& x2, const float& y2) {
    xxarea_(x1, y1, x2, y2);
}

void IGrUnits(const float& x1, const float& y1, const float& x2, const float& y2) {
    xxunits_(x1, y1, x2, y2);
}

void IGrColourN(const int& colour) {
    xxcolourn_(colour);
}
