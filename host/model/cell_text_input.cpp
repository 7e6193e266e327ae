#include "host/model/cell_text_input.h"

#include <charconv>
#include <cmath>

#include "host/model/text_compare.h"

namespace korvat::host {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Checks the grammar sign? digits [. digits] [e sign? digits] with at least one mantissa digit.
bool IsDecimalNumber(std::string_view s) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(s[i])) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == n;
}

}  // namespace

std::optional<double> ParseNumberText(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsDecimalNumber(text)) return std::nullopt;
  bool negative = text.front() == '-';
  if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
  double d = 0.0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(d))
    return std::nullopt;
  return negative ? -d : d;
}

CellValue ValueFromText(std::string_view text) {
  if (text.empty()) return CellValue::Empty();
  if (text.front() == '\'') return CellValue::Text(std::string(text.substr(1)));
  if (auto d = ParseNumberText(text)) return CellValue::Number(*d);
  if (EqualsIgnoreCase(text, "TRUE")) return CellValue::Boolean(true);
  if (EqualsIgnoreCase(text, "FALSE")) return CellValue::Boolean(false);
  return CellValue::Text(std::string(text));
}

CellInput InputFromFormulaText(std::string_view text) {
  CellInput in;
  if (text.size() > 1 && text.front() == '=') {
    in.formula = std::string(text);
  } else {
    in.value = ValueFromText(text);
  }
  return in;
}

}  // namespace korvat::host
