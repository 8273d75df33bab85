#pragma once
// Number text: conversion of field and cell texts to numbers, and the fixed format of a length.
// Standard library only; the separators are always parameters, never read from a global locale.

#include <string>
#include <string_view>

#include "core/errors.h"

namespace zelta {

// Converts a field's text to an extended-precision number.
// Accepted: blanks (code 32 only) before and after; an optional sign; digits, optionally the decimal separator
// and digits (a lone separator reads 0); optionally "E"/"e", an optional sign and optional digits (none reads 0;
// the exponent's digits are read until it reaches 500, a digit left after that makes the text invalid).
// Up to 19 significant digits the result is the long double nearest the exact decimal value; a result too
// small for the extended range is 0, one beyond it is invalid.
// Throws EConvertError("'<text>' is not a valid floating point value") with the whole text unchanged.
// decimalSeparator is one UTF-8 character.
long double TextToFloat(std::string_view text, std::string_view decimalSeparator);

// One UTF-8 character each; thousands may be empty (no grouping character).
struct NumberSeparators {
    std::string decimal = ".";
    std::string thousands = ",";
};

// The fixed number format of a length: at most 8 significant digits and at most 2 decimals, whichever leaves
// fewer, rounded on the value's 18-significant-digit decimal expansion with a 5 rounded away from zero; the
// integer part grouped by threes ("0" when there is none); exactly two decimals; no minus sign on a result that
// rounds to zero. A value that rounds to 100 000 000 or more is written in the general form ("1E8",
// "1,2345679E8").
std::string FormatLength(float metres, const NumberSeparators& separators);

}  // namespace zelta
