/// \file
/// WMessageBox: a modal message box.
#pragma once

#include "util/text_arg.h"

/// Button set: 0 OK (also above 5), 1 OK/Cancel, 2 Retry/Cancel, 3 Yes/No, 4 Yes/No/Cancel,
/// 5 Abort/Retry/Ignore. Icon: 1 stop, 2 question, 3 exclamation, 4 information, else none.
/// Default button 1..3, reduced to the buttons that exist. The answer goes to CommonResult:
/// 1 OK/Yes/Retry, 0 Cancel/Ignore, 2 No/Abort, -1 on a platform error (error 1004).
void WMessageBox(const int& buttons, const int& icon, const int& defaultButton,
                 tess::TextRef message, tess::TextRef title);
