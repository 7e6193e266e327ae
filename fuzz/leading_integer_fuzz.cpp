// The leading-integer parse and Val on any text: decimal results agree with a
// wide reference computation that saturates at 64 bits, radix forms are never
// negative, and Val is always a finite number.

#include "base/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Blanks, a sign, decimal digits: the value in 128 bits, clamped to 64.
bool ReferenceDecimal(std::string_view text, std::int64_t& out) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '&') return false;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  __int128 value = 0;
  const __int128 limit = static_cast<__int128>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) value = limit;
  }
  out = static_cast<std::int64_t>(negative ? -value : value);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int64_t parsed = korvat::ParseLeadingInteger(text);
  std::int64_t expected = 0;
  if (ReferenceDecimal(text, expected))
    Require(parsed == expected);
  else
    Require(parsed >= 0);
  const double value = korvat::Val(text);
  Require(std::isfinite(value));
  return 0;
}
