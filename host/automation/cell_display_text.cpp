#include "host/automation/cell_display_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvat::host::automation {
namespace {

std::string Printf(const char* format, double number, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, precision, number);
  return buffer;
}

// Rounds to the decimals as the host shows numbers: on the value's 15 significant digits,
// halves away from zero (printf alone would round binary halves to even).
std::string Fixed(double number, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = std::strtod(Printf("%.*g", number * scale, 15).c_str(), nullptr);
  return Printf("%.*f", std::round(scaled) / scale, decimals);
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

bool IsDateFormat(std::string_view format) {
  for (char c : format) {
    const char l = static_cast<char>(c | 0x20);
    if (l == 'y' || l == 'd' || l == 'h' || l == 's' || l == 'm') return true;
  }
  return false;
}

// Decimal places after the first '.' of a numeric format ("0.00" -> 2).
int DecimalPlaces(std::string_view format) {
  const auto dot = format.find('.');
  if (dot == std::string_view::npos) return 0;
  int n = 0;
  for (std::size_t i = dot + 1; i < format.size() && (format[i] == '0' || format[i] == '#'); ++i) ++n;
  return n;
}

// Inserts a comma between groups of three digits of the whole part.
std::string WithThousands(const std::string& digits) {
  const std::size_t start = (!digits.empty() && digits[0] == '-') ? 1 : 0;
  const std::size_t dot = digits.find('.');
  const std::size_t end = dot == std::string::npos ? digits.size() : dot;
  std::string out = digits.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    out += digits[i];
    const std::size_t left = end - i - 1;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  out.append(digits, end, std::string::npos);
  return out;
}

void CivilFromDays(long long z, int* y, int* m, int* d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = static_cast<int>(yoe + era * 400 + (*m <= 2));
}

std::string Pad(int value, std::size_t width) {
  const std::string digits = std::to_string(value);
  std::string s(digits.size() < width ? width - digits.size() : 0, '0');
  s += digits;
  return s;
}

std::string DateText(double serial, std::string_view format) {
  // Serials count days from 1899-12-30; round to the second as the host does.
  const long long totalSeconds = std::llround(serial * 86400.0);
  const long long days = totalSeconds >= 0 ? totalSeconds / 86400 : -((-totalSeconds + 86399) / 86400);
  const long long secondsOfDay = totalSeconds - days * 86400;
  int y, mo, d;
  CivilFromDays(days - 25569, &y, &mo, &d);  // 1970-01-01 is serial 25569
  const int h = static_cast<int>(secondsOfDay / 3600), mi = static_cast<int>(secondsOfDay / 60 % 60),
            s = static_cast<int>(secondsOfDay % 60);
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < format.size();) {
    const char c = static_cast<char>(format[i] | 0x20);
    std::size_t run = 1;
    while (i + run < format.size() && static_cast<char>(format[i + run] | 0x20) == c) ++run;
    if (format[i] == '"' || format[i] == '\\') {  // literal text
      const std::size_t close = format[i] == '"' ? format.find('"', i + 1) : i + 1;
      out += format.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
      i = close == std::string_view::npos ? format.size() : close + 1;
      continue;
    }
    switch (c) {
      case 'y': out += run >= 3 ? Pad(y, 4) : Pad(y % 100, 2); break;
      case 'd': out += Pad(d, run >= 2 ? 2 : 1); break;
      case 'h': out += Pad(h, run >= 2 ? 2 : 1); afterHour = true; break;
      case 's': out += Pad(s, run >= 2 ? 2 : 1); break;
      case 'm': out += afterHour ? Pad(mi, run >= 2 ? 2 : 1) : Pad(mo, run >= 2 ? 2 : 1); afterHour = false; break;
      default: out.append(format.substr(i, run)); break;
    }
    i += run;
  }
  return out;
}

}  // namespace

std::string GeneralNumberText(double number) {
  if (number == 0) return "0";
  for (int digits = 10; digits >= 1; --digits) {
    std::string s = Printf("%.*G", number, digits);
    if (s.size() <= 11) return s;
  }
  return Printf("%.*E", number, 5);
}

std::string PlainNumberText(double number) {
  std::string s = Printf("%.*g", number, 15);
  return s;
}

std::string DisplayText(const CellValue& value, std::string_view format) {
  switch (value.kind) {
    case CellValue::Kind::Empty: return {};
    case CellValue::Kind::Text: return value.text;
    case CellValue::Kind::Boolean: return value.AsBool() ? "TRUE" : "FALSE";
    case CellValue::Kind::Error: return CellErrorText(value.error);
    case CellValue::Kind::Number: break;
  }
  const double n = value.number;
  if (format.empty() || format == "General" || format == "@") return GeneralNumberText(n);
  if (Contains(format, '%')) {
    std::string percent = Fixed(n * 100.0, DecimalPlaces(format));
    percent += '%';
    return percent;
  }
  if (Contains(format, '0') || Contains(format, '#')) {
    std::string s = Fixed(n, DecimalPlaces(format));
    return Contains(format, ',') ? WithThousands(s) : s;
  }
  if (IsDateFormat(format)) return DateText(n, format);
  return GeneralNumberText(n);
}

}  // namespace korvat::host::automation
