#include "host/formula/value_coercion.h"

#include <charconv>
#include <cmath>

namespace korvat::host::formula {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return CompareTextIgnoreCase(a, b) == 0;
}

int KindRank(CellValue::Kind k) {
  switch (k) {
    case CellValue::Kind::Number: return 0;
    case CellValue::Kind::Text: return 1;
    case CellValue::Kind::Boolean: return 2;
    default: return 3;
  }
}

CellValue EmptyAs(CellValue::Kind k) {
  switch (k) {
    case CellValue::Kind::Text: return CellValue::Text("");
    case CellValue::Kind::Boolean: return CellValue::Boolean(false);
    default: return CellValue::Number(0);
  }
}

// Numbers that agree to 15 significant digits are equal, as the host shows them
// (0.1+0.2 equals 0.3).
int CompareNumbers(double a, double b) {
  if (a == b) return 0;
  double scale = std::fmax(std::fabs(a), std::fabs(b));
  if (std::fabs(a - b) <= scale * 1e-15) return 0;
  return a < b ? -1 : 1;
}

}  // namespace

std::optional<double> NumberFromText(std::string_view text) {
  std::string_view s = Trim(text);
  bool percent = false;
  if (!s.empty() && s.back() == '%') {
    percent = true;
    s = Trim(s.substr(0, s.size() - 1));
  }
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.front() == '+' || s.front() == '-') return std::nullopt;
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  if (negative) value = -value;
  if (percent) value /= 100.0;
  return value;
}

std::string NumberToText(double value) {
  if (value == 0.0) return "0";
  char buffer[64];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::general, 15);
  if (ec != std::errc()) return "#NUM!";
  std::string text(buffer, ptr);
  size_t e = text.find('e');
  if (e == std::string::npos) return text;
  // The host writes exponents as E+20 / E-07.
  std::string mantissa = text.substr(0, e);
  std::string exponent = text.substr(e + 1);
  char sign = exponent[0];
  std::string digits = exponent.substr(1);
  while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
  if (digits.size() < 2) digits.insert(0, "0");
  return mantissa + "E" + sign + digits;
}

CellValue ToNumber(const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty: return CellValue::Number(0);
    case CellValue::Kind::Number:
    case CellValue::Kind::Boolean: return CellValue::Number(v.number);
    case CellValue::Kind::Text: {
      auto n = NumberFromText(v.text);
      return n ? CellValue::Number(*n) : CellValue::Error(CellError::Value);
    }
    case CellValue::Kind::Error: return v;
  }
  return CellValue::Error(CellError::Value);
}

CellValue ToText(const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty: return CellValue::Text("");
    case CellValue::Kind::Number: return CellValue::Text(NumberToText(v.number));
    case CellValue::Kind::Boolean: return CellValue::Text(v.AsBool() ? "TRUE" : "FALSE");
    case CellValue::Kind::Text:
    case CellValue::Kind::Error: return v;
  }
  return CellValue::Error(CellError::Value);
}

CellValue ToBoolean(const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty: return CellValue::Boolean(false);
    case CellValue::Kind::Number:
    case CellValue::Kind::Boolean: return CellValue::Boolean(v.number != 0.0);
    case CellValue::Kind::Text:
      if (EqualsIgnoreCase(Trim(v.text), "TRUE")) return CellValue::Boolean(true);
      if (EqualsIgnoreCase(Trim(v.text), "FALSE")) return CellValue::Boolean(false);
      return CellValue::Error(CellError::Value);
    case CellValue::Kind::Error: return v;
  }
  return CellValue::Error(CellError::Value);
}

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(Lower(a[i]));
    unsigned char y = static_cast<unsigned char>(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int CompareValues(const CellValue& a, const CellValue& b) {
  if (a.IsEmpty() && b.IsEmpty()) return 0;
  if (a.IsEmpty()) return CompareValues(EmptyAs(b.kind), b);
  if (b.IsEmpty()) return CompareValues(a, EmptyAs(a.kind));
  if (a.kind != b.kind) return KindRank(a.kind) < KindRank(b.kind) ? -1 : 1;
  switch (a.kind) {
    case CellValue::Kind::Number: return CompareNumbers(a.number, b.number);
    case CellValue::Kind::Boolean: return a.number == b.number ? 0 : (a.number < b.number ? -1 : 1);
    case CellValue::Kind::Text: return CompareTextIgnoreCase(a.text, b.text);
    default: return 0;
  }
}

CellValue NumberResult(double value) {
  if (!std::isfinite(value)) return CellValue::Error(CellError::Num);
  return CellValue::Number(value);
}

}  // namespace korvat::host::formula
