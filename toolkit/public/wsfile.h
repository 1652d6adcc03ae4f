/// \file
/// WSelectFile: the open or save file selection.
#pragma once

#include "util/text_arg.h"

/// filter: pairs of description and patterns, each item ended by the separator the filter ends
/// with ("Texte|*.txt|Alle|*.*|"); blank for none. flags: 1 save, 2 create/overwrite prompt,
/// 4 path may be missing, 8 keep the directory the user ends in, 16 several files (open only),
/// 32 append the filter's extension. fileName (in/out) names the initial directory and file and
/// receives the selection (several files: the directory and the names, NUL-separated); a blank
/// title reads "Select File". filterIndex (1-based) selects the first filter shown and receives
/// the last one used. CommonResult: 1 selected, 0 cancelled or failed (error 1004 on failure).
void WSelectFile(tess::TextRef filter, const int& flags, tess::TextRef fileName,
                 tess::TextRef title);
/// WSelectFile with the filter index in and out.
void WSelectFile(tess::TextRef filter, const int& flags, tess::TextRef fileName,
                 tess::TextRef title, int& filterIndex);
