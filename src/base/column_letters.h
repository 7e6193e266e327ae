#pragma once
// Worksheet column letters and numbers: "A" is 1, "Z" 26, "AA" 27.

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

// Sum of (code - 64) x 26^(n - i) over the characters; only upper-case letters
// give meaningful results, the empty text gives 0. Texts longer than seven
// characters (no column has them) give 0 rather than an overflowing number.
std::int32_t ColumnNumber(std::string_view letters);
// The letters of a column number; the empty text for numbers below 1.
std::string ColumnLetters(std::int64_t number);

}  // namespace korvat
