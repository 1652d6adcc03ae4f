// Bad arguments to the routines of grinit.h: the error number each names (0 where none), and a
// state afterwards equal to the one of the call the bad one must amount to (the repaired
// range, the default letter or factor), or to the state before when the call must be refused.
// Valid ranges, the repairs on ordinary values and the colour mapping are in
// graphics/grstate_test.cpp and charset_select_test.cpp.
#include <climits>
#include <functional>
#include <limits>
#include <string>

#include "public/grinit.h"
#include "support/equivalent_calls.h"
#include "toolkit/graphics/draw_fixture.h"
#include "toolkit/graphics/graphics_parts.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float Big = std::numeric_limits<float>::max();

using Row = testsupport::EquivalentCall;

class BadInputGrInit : public drawtest::Drawing {
protected:
    // A state every row starts from: a smaller area, a drawn background, a colour and a position.
    void start() {
        IGrInit(" ", 0, 0, 0);
        IGrArea(0.1f, 0.2f, 0.9f, 0.8f);
        IGrUnits(0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
        IGrCharSet("H");
        IGrCharJustify("L");
        IGrCharSpacing("F");
        IGrCharSize(2.0f, 3.0f);
        background(0);
        IGrColourN(100);
        IGrMoveTo(5.0f, 5.0f);
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
};

TEST_F(BadInputGrInit, ErrorNumberAndNothingElse) {
    open();
    const std::string longBlank(300, ' ');
    const std::string longName(300, 'x');
    const float h = static_cast<float>(H);
    const Row rows[] = {
        // IGrColourN: outside 0 to 255 changes nothing.
        {"colour -1", [] { IGrColourN(-1); }, 42, nullptr},
        {"colour 256", [] { IGrColourN(256); }, 42, nullptr},
        {"colour INT_MIN", [] { IGrColourN(INT_MIN); }, 42, nullptr},
        {"colour INT_MAX", [] { IGrColourN(INT_MAX); }, 42, nullptr},
        // IGrArea: each bad range becomes 0 to 1, the other one stays.
        {"area x empty", [] { IGrArea(0.5f, 0.2f, 0.5f, 0.8f); }, 44,
         [] { IGrArea(0.0f, 0.2f, 1.0f, 0.8f); }},
        {"area x1 negative", [] { IGrArea(-0.1f, 0.2f, 0.9f, 0.8f); }, 44,
         [] { IGrArea(0.0f, 0.2f, 1.0f, 0.8f); }},
        {"area x2 beyond 1", [] { IGrArea(0.1f, 0.2f, 1.01f, 0.8f); }, 44,
         [] { IGrArea(0.0f, 0.2f, 1.0f, 0.8f); }},
        {"area x1 NaN", [] { IGrArea(NaN, 0.2f, 0.9f, 0.8f); }, 44,
         [] { IGrArea(0.0f, 0.2f, 1.0f, 0.8f); }},
        {"area x2 infinite", [] { IGrArea(0.1f, 0.2f, Inf, 0.8f); }, 44,
         [] { IGrArea(0.0f, 0.2f, 1.0f, 0.8f); }},
        {"area y reversed", [] { IGrArea(0.1f, 0.8f, 0.9f, 0.2f); }, 44,
         [] { IGrArea(0.1f, 0.0f, 0.9f, 1.0f); }},
        {"area y2 NaN", [] { IGrArea(0.1f, 0.2f, 0.9f, NaN); }, 44,
         [] { IGrArea(0.1f, 0.0f, 0.9f, 1.0f); }},
        {"area all NaN", [] { IGrArea(NaN, NaN, NaN, NaN); }, 44,
         [] { IGrArea(0.0f, 0.0f, 1.0f, 1.0f); }},
        // IGrUnits: a bad x range becomes 0 to 1 with error 16, a bad y range without one.
        {"units x empty", [h] { IGrUnits(5.0f, 0.0f, 5.0f, h); }, 16,
         [h] { IGrUnits(0.0f, 0.0f, 1.0f, h); }},
        {"units x reversed", [h] { IGrUnits(200.0f, 0.0f, 0.0f, h); }, 16,
         [h] { IGrUnits(0.0f, 0.0f, 1.0f, h); }},
        {"units x1 NaN", [h] { IGrUnits(NaN, 0.0f, 200.0f, h); }, 16,
         [h] { IGrUnits(0.0f, 0.0f, 1.0f, h); }},
        {"units x2 infinite", [h] { IGrUnits(0.0f, 0.0f, Inf, h); }, 16,
         [h] { IGrUnits(0.0f, 0.0f, 1.0f, h); }},
        {"units x range overflows", [h] { IGrUnits(-Big, 0.0f, Big, h); }, 16,
         [h] { IGrUnits(0.0f, 0.0f, 1.0f, h); }},
        {"units y reversed", [] { IGrUnits(0.0f, 120.0f, 200.0f, 0.0f); }, 0,
         [] { IGrUnits(0.0f, 0.0f, 200.0f, 1.0f); }},
        {"units y2 NaN", [] { IGrUnits(0.0f, 0.0f, 200.0f, NaN); }, 0,
         [] { IGrUnits(0.0f, 0.0f, 200.0f, 1.0f); }},
        {"units y infinite", [] { IGrUnits(0.0f, -Inf, 200.0f, Inf); }, 0,
         [] { IGrUnits(0.0f, 0.0f, 200.0f, 1.0f); }},
        // IGrInit: the integers are not used; an empty or long device text without H is " ".
        {"init odd integers", [] { IGrInit(" ", -1, INT_MIN, INT_MAX); }, 0,
         [] { IGrInit(" ", 0, 0, 0); }},
        {"init empty device", [] { IGrInit("", 0, 0, 0); }, 0, [] { IGrInit(" ", 0, 0, 0); }},
        {"init long device", [&] { IGrInit(longBlank + "x", 0, 0, 0); }, 0,
         [] { IGrInit(" ", 0, 0, 0); }},
        // IGrCharSet: no such file (the blank name stands for CHARSET, absent here).
        {"charset missing", [] { IGrCharSet("nosuch.chr"); }, 1, nullptr},
        {"charset long name", [&] { IGrCharSet(longName); }, 1, nullptr},
        {"charset blank", [] { IGrCharSet("   "); }, 1, nullptr},
        {"charset empty", [] { IGrCharSet(""); }, 1, nullptr},
        {"charset directory", [this] { IGrCharSet(dir.path().string()); }, 1, nullptr},
        // IGrCharJustify, IGrCharSpacing: any other letter, none at all included, is the default.
        {"justify empty", [] { IGrCharJustify(""); }, 0, [] { IGrCharJustify("C"); }},
        {"justify leading blank", [] { IGrCharJustify(" L"); }, 0, [] { IGrCharJustify("C"); }},
        {"justify long", [&] { IGrCharJustify(longName); }, 0, [] { IGrCharJustify("C"); }},
        {"spacing empty", [] { IGrCharSpacing(""); }, 0, [] { IGrCharSpacing("F"); }},
        {"spacing NUL", [] { IGrCharSpacing(std::string(1, '\0')); }, 0,
         [] { IGrCharSpacing("F"); }},
        // IGrCharSize: a factor that is no positive number is 1.
        {"size zero", [] { IGrCharSize(0.0f, 0.0f); }, 0, [] { IGrCharSize(1.0f, 1.0f); }},
        {"size negative", [] { IGrCharSize(-1.0f, -Big); }, 0, [] { IGrCharSize(1.0f, 1.0f); }},
        {"size NaN", [] { IGrCharSize(NaN, NaN); }, 0, [] { IGrCharSize(1.0f, 1.0f); }},
        {"size infinite", [] { IGrCharSize(Inf, 2.0f); }, 0, [] { IGrCharSize(1.0f, 2.0f); }},
    };
    testsupport::expect_equivalent([this] { start(); }, rows, grtest::add_graphics_parts,
                                   grtest::DriverHandles);
}

} // namespace
