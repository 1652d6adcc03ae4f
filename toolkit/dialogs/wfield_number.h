// Decimal numbers typed into dialog fields.
#pragma once

// Reads an optionally signed decimal number with an optional exponent (e, E, d or D) after
// leading spaces and tabs. valid := 1 exactly when the whole text was used; text without digits
// gives 0.
double yyAsciiToDouble(const char* text, int& valid);
