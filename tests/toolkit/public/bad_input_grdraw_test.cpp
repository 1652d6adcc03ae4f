// Bad arguments to the routines of grdraw.h: plot modes and line types outside their codes are
// ignored, and positions far outside the window draw nothing and overflow nothing. Non-finite
// coordinates, polygon counts and blank or over-long texts are in Drawing.BadInputChangesNothing
// (graphics/draw_test.cpp).
#include <climits>
#include <limits>
#include <string>

#include "public/grdraw.h"
#include "support/equivalent_calls.h"
#include "toolkit/graphics/draw_fixture.h"
#include "toolkit/graphics/graphics_parts.h"

namespace {

using Row = testsupport::EquivalentCall;

constexpr float Big = std::numeric_limits<float>::max();
constexpr float Far = 1e30f;

class BadInputGrDraw : public drawtest::Drawing {
protected:
    void start() {
        IGrUnits(0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
        // Mask mode on white shows the colour itself, so that a stray pixel is seen.
        background(0);
        IGrColourN(16);
        IGrPlotMode(2);
        IGrLineType(2);
        IGrMoveTo(ux(60), uy(60));
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
};

TEST_F(BadInputGrDraw, ErrorNumberAndNothingElse) {
    open();
    const float far3[] = {-Far, -Big, -Far}, near3[] = {10, 50, 90};
    const std::string longest(GrCharOutMax, 'A');
    const Row rows[] = {
        {"plot mode -1", [] { IGrPlotMode(-1); }, 0, nullptr},
        {"plot mode 4", [] { IGrPlotMode(4); }, 0, nullptr},
        {"plot mode INT_MAX", [] { IGrPlotMode(INT_MAX); }, 0, nullptr},
        {"line type -1", [] { IGrLineType(-1); }, 0, nullptr},
        {"line type 7", [] { IGrLineType(7); }, 0, nullptr},
        {"line type INT_MIN", [] { IGrLineType(INT_MIN); }, 0, nullptr},
        // Far outside the window: only the position moves.
        {"point far out", [] { IGrPoint(Far, -Far); }, 0, [] { IGrMoveTo(Far, -Far); }},
        {"point at the largest float", [] { IGrPoint(Big, Big); }, 0, [] { IGrMoveTo(Big, Big); }},
        {"line beside the window",
         [] {
             IGrMoveTo(-Far, -Far);
             IGrLineTo(-Far, Far);
         },
         0, [] { IGrMoveTo(-Far, Far); }},
        {"line between the largest floats",
         [] {
             IGrMoveTo(-Big, Big);
             IGrLineTo(Big, Big);
         },
         0, [] { IGrMoveTo(Big, Big); }},
        // Units too narrow for single precision still put their origin on the area's corner.
        {"point at the origin of the narrowest units",
         [] {
             IGrUnits(0.0f, 0.0f, 1e-38f, 1e-38f);
             IGrPoint(0.0f, 0.0f);
         },
         0,
         [] {
             IGrUnits(0.0f, 0.0f, 1.0f, 1.0f);
             IGrPoint(0.0f, 0.0f);
             IGrUnits(0.0f, 0.0f, 1e-38f, 1e-38f);
         }},
        {"rectangle far out", [] { IGrFillRectangle(-Big, -Big, -Far, -Far); }, 0, nullptr},
        {"polygon far out",
         [&] {
             const int n = 3;
             IGrFillPolygon(n, far3, near3);
         },
         0, nullptr},
        {"longest text far out", [&] { IGrCharOut(Far, Far, longest); }, 0, nullptr},
        {"text at the largest float", [] { IGrCharOut(-Big, Big, "Text"); }, 0, nullptr},
    };
    testsupport::expect_equivalent([this] { start(); }, rows, grtest::add_graphics_parts,
                                   grtest::DriverHandles);
}

} // namespace
