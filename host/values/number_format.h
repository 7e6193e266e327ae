#pragma once
// The text the host shows for a cell value under a number format: the General format, the
// digit placeholders (0 # ? , . % E+), dates and times (y m d h s AM/PM, elapsed [h] [m] [s]),
// the text placeholder @, literals ("text", \x, _x), and up to four sections
// (positive;negative;zero;text). Colours and conditions in brackets are ignored.

#include <functional>
#include <string>
#include <string_view>

#include "host/values/cell_value.h"

namespace korvat::host {

// Numbers in the General format: at most 11 characters, as in a cell of the default width
// (0.333333333, 1.23457E+11, 1E-05).
std::string FormatGeneral(double value);
// True for the General format alone ("General" in any case, or no format at all).
bool IsGeneralFormat(std::string_view numberFormat);
// A number in the General format as a cell with less room shows it: FormatGeneral's text when
// `fits` accepts it, else the number rounded to fewer decimals (never to a zero that it is
// not), else in scientific notation with fewer mantissa digits (1.2E+05, then 1E+05); empty
// when none fits, where the cell shows #s.
std::string FormatGeneralToFit(double value, const std::function<bool(std::string_view)>& fits);
std::string FormatNumber(double value, std::string_view numberFormat);
// Any value: texts through the text section, booleans TRUE/FALSE, errors as their text.
// This is the cell's Text as the host gives it and as the rendered page shows it.
std::string FormatCellValue(const CellValue& value, std::string_view numberFormat);
// A number as the formula bar shows a constant: up to 15 significant digits.
std::string PlainNumberText(double number);

}  // namespace korvat::host
