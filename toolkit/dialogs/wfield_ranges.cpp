// Trackbars, progress bars, numeric ranges and spin steps.
#include <array>

#include <commctrl.h>

#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace {

constexpr int SetSelection = 0;
constexpr int ClearSelection = 2;
constexpr UINT LaterStepSeconds = 2;

HWND control_of_class(int& f, tess::FieldClass wanted) {
    const HWND control = tess::field_window(f);
    if (!control || tess::field_class(control) != wanted) {
        f = tess::FieldMissing;
        return nullptr;
    }
    return control;
}

bool has_selection_range(HWND trackbar) {
    return (tess::style_of(trackbar) & TBS_ENABLESELRANGE) != 0;
}

} // namespace

void yyfieldgettrack_(int& f, int& position, int& selectionStart, int& selectionEnd) {
    const HWND control = control_of_class(f, tess::FieldClass::Track);
    if (!control) return;
    position = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
    selectionStart = selectionEnd = tess::NothingSelected;
    if (!has_selection_range(control)) return;
    const auto start = static_cast<int>(SendMessageA(control, TBM_GETSELSTART, 0, 0));
    const auto end = static_cast<int>(SendMessageA(control, TBM_GETSELEND, 0, 0));
    if (start < end) {
        selectionStart = start;
        selectionEnd = end;
    }
}

void yyfieldputtrack_(int& f, const int& position, const int& selectionStart,
                      const int& selectionEnd, const int& selectionMode) {
    const HWND control = control_of_class(f, tess::FieldClass::Track);
    if (!control) return;
    SendMessageA(control, TBM_SETPOS, TRUE, position);
    if (!has_selection_range(control)) return;
    if (selectionMode == SetSelection) {
        SendMessageA(control, TBM_SETSELSTART, FALSE, selectionStart);
        SendMessageA(control, TBM_SETSELEND, TRUE, selectionEnd);
    } else if (selectionMode == ClearSelection) {
        SendMessageA(control, TBM_CLEARSEL, TRUE, 0);
    }
}

void yyrangetrack_(int& f, const int& minimum, const int& maximum, const int& frequency) {
    const HWND control = control_of_class(f, tess::FieldClass::Track);
    if (!control) return;
    SendMessageA(control, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(control, TBM_SETRANGEMAX, TRUE, maximum);
    if (frequency > 0) SendMessageA(control, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void yyfieldtrackstep_(int& f, const int& lineStep, const int& pageStep) {
    const HWND control = control_of_class(f, tess::FieldClass::Track);
    if (!control) return;
    SendMessageA(control, TBM_SETLINESIZE, 0, lineStep);
    SendMessageA(control, TBM_SETPAGESIZE, 0, pageStep > 0 ? pageStep : lineStep);
}

void yyfieldputprogress_(int& f, const int& value, const int& mode) {
    const HWND control = control_of_class(f, tess::FieldClass::Progress);
    if (!control) return;
    SendMessageA(control, mode == 0 ? PBM_SETPOS : PBM_DELTAPOS, static_cast<WPARAM>(value), 0);
}

void yyrangeprogress_(int& f, const int& minimum, const int& maximum) {
    const HWND control = control_of_class(f, tess::FieldClass::Progress);
    if (!control) return;
    SendMessageA(control, PBM_SETRANGE, 0,
                 MAKELPARAM(static_cast<WORD>(minimum), static_cast<WORD>(maximum)));
}

void yyfieldrange_(int& f, const double& lower, const double& upper) {
    tess::FieldRecord* record = tess::field_record(tess::field_window(f));
    if (!record) {
        f = tess::FieldMissing;
        return;
    }
    record->LowerBound = lower;
    record->UpperBound = upper;
}

void yyfieldrangecheck_(int& f, const double& value) {
    const tess::FieldRecord* record = tess::field_record(tess::field_window(f));
    if (!record) {
        f = tess::FieldMissing;
        return;
    }
    // A lower bound above the upper one means the field has no range.
    if (record->LowerBound > record->UpperBound) return;
    if (!(value >= record->LowerBound && value <= record->UpperBound)) f = tess::FieldValueProblem;
}

void yyfieldspinstep_(int& f, const int& step, const int& laterStep) {
    const tess::FieldRecord* record = tess::field_record(tess::field_window(f));
    if (!record || !record->SpinControl) {
        f = tess::FieldMissing;
        return;
    }
    std::array<UDACCEL, 2> steps{
        {{0, static_cast<UINT>(step)}, {LaterStepSeconds, static_cast<UINT>(laterStep)}}};
    SendMessageA(record->SpinControl, UDM_SETACCEL, laterStep != 0 ? 2 : 1,
                 reinterpret_cast<LPARAM>(steps.data()));
}
