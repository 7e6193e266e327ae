#include "base/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace korvat {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// Accumulates digits of one base; the value saturates instead of overflowing.
std::int64_t ReadDigits(std::string_view text, std::size_t i, int base, bool negative) {
  const std::uint64_t limit =
      negative ? static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1
               : static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit >= base) break;
    if (value > (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base)) {
      value = limit;
      break;
    }
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  if (negative) return value == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(value);
  return static_cast<std::int64_t>(value);
}

}  // namespace

std::int64_t ParseLeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i == text.size()) return 0;
  if (text[i] == '&') {
    if (i + 1 >= text.size()) return 0;
    switch (text[i + 1]) {
      case 'H': case 'h': return ReadDigits(text, i + 2, 16, false);
      case 'B': case 'b': return ReadDigits(text, i + 2, 2, false);
      case 'O': case 'o': return ReadDigits(text, i + 2, 8, false);
      default: return ReadDigits(text, i + 1, 8, false);
    }
  }
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  return ReadDigits(text, i, 10, negative);
}

double Val(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
  if (compact.size() >= 2 && compact[0] == '&') {
    const char kind = compact[1];
    if (kind == 'H' || kind == 'h') return static_cast<double>(ReadDigits(compact, 2, 16, false));
    if (kind == 'O' || kind == 'o') return static_cast<double>(ReadDigits(compact, 2, 8, false));
    return 0.0;
  }
  std::size_t i = 0;
  std::string number;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
  bool digits = false;
  while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') number += compact[i++], digits = true;
  if (i < compact.size() && compact[i] == '.') {
    number += compact[i++];
    while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') number += compact[i++], digits = true;
  }
  if (!digits) return 0.0;
  if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
    bool expDigits = false;
    while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') exponent += compact[j++], expDigits = true;
    if (expDigits) number += exponent;
  }
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::string FormatDouble(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16g", value);
  std::string text = buffer;
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

std::string FormatInteger(std::int64_t value) { return std::to_string(value); }

}  // namespace korvat
