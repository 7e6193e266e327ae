#pragma once
// The number and text forms every part of the library shares.

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

// Leading-integer parse: blanks skipped, then "&H"/"&h" hexadecimal, "&B"/"&b"
// binary, "&O"/"&o" octal (or octal digits right after a lone "&"), otherwise an
// optionally signed decimal number; reading stops at the first character that
// does not fit and no digits give 0. Values beyond 64 bits saturate.
std::int64_t ParseLeadingInteger(std::string_view text);

// The leading number of a text as a double, blanks anywhere ignored ("1 2.5x" is
// 12.5); "&H" and "&O" integers; 0 when it does not begin with a number.
double Val(std::string_view text);

// A double as printf "%.16g" with a final "." removed.
std::string FormatDouble(double value);
// An integer as plain decimal text, "-" for a negative value and no blank.
std::string FormatInteger(std::int64_t value);

}  // namespace korvat
