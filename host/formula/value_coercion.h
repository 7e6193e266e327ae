#pragma once
// The host's conversions between value kinds and its ordering of values.

#include <optional>
#include <string>
#include <string_view>

#include "host/values/cell_value.h"

namespace korvat::host::formula {

// Text that reads as a number ("12", " -1.5e3 ", "50%"); nothing otherwise.
std::optional<double> NumberFromText(std::string_view text);

// A number as the host writes it in text: up to 15 significant digits, no
// trailing zeros, exponent form for very large or small magnitudes.
std::string NumberToText(double value);

// For arithmetic: Number, or the error (#VALUE! for text that is no number).
// Empty is 0, a boolean 0 or 1.
CellValue ToNumber(const CellValue& v);
// For '&' and text functions: Text, or the error. Empty is "".
CellValue ToText(const CellValue& v);
// For conditions: Boolean, or the error. Empty is FALSE; text must read TRUE or FALSE.
CellValue ToBoolean(const CellValue& v);

// Orders two non-error values as the host's comparison operators do: an empty
// value takes the other side's kind (0, "" or FALSE); numbers < texts < booleans;
// texts compare without regard to case. Returns <0, 0 or >0.
int CompareValues(const CellValue& a, const CellValue& b);

// Case-insensitive text comparison (ASCII letters folded).
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// A finite number as a value; #NUM! for infinities and NaN.
CellValue NumberResult(double value);

}  // namespace korvat::host::formula
