/// \file
/// Reading dialog fields from the application: the field's text, a radio group's choice.
#pragma once

#include "util/text_arg.h"

/// The field's text cut to the variable's length and blank-padded. Errors: 1005 no current
/// dialog (the variable is left alone), 1006 no such field (the variable is left blank).
void WDialogGetString(const int& field, tess::TextRef text);
/// The 1-based position of the checked button in the group of radio button field; -999 with
/// error 1010 when none is checked; 0 with error 1006 when field is no automatic radio button;
/// error 1005 without a current dialog.
void WDialogGetRadioButton(const int& field, int& position);
