/// \file
/// String routines on blank-padded text arguments. Positions count from 1; 0 means "none".
#pragma once

#include "util/text_arg.h"

using tess::TextRef;

/// Position of the last character that is neither blank nor NUL.
int IActualLength(TextRef text);
/// Position of the first character that is neither blank nor NUL.
int ILocateChar(TextRef text);
/// Bounds of the first blank-delimited word; both 0 for a blank text.
void ILocateString(TextRef text, int& first, int& last);
/// Converts the letters of the text to lower case, Windows-1252 accented letters included.
void ILowerCase(TextRef text);
/// Converts the letters of the text to upper case, Windows-1252 accented letters included.
void IUpperCase(TextRef text);
/// Moves the significant text left (code contains L), right (contains R) or to the centre.
void IJustifyString(TextRef text, TextRef code);
/// The integer in the text's first word; 0 and error 10, 12 or 4 when it is not one.
void IStringToInteger(TextRef text, int& value);
