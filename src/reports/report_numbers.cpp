#include "reports/report_numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace korvat {
namespace {

double ReadBack(const char* first, const char* last) {
  double value = 0.0;
  const auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last && std::isfinite(value) ? value : 0.0;
}

// Adds one to the last digit of a decimal text, carrying left over the point.
void IncrementLastDigit(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

double SixteenDigitNumber(double value) {
  if (!std::isfinite(value)) return 0.0;
  char text[64];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 16);
  return ec == std::errc() ? ReadBack(text, end) : 0.0;
}

double FourDecimalNumber(double value) {
  if (!std::isfinite(value)) return 0.0;
  // Forty decimals show whether the fifth decimal starts a half: a double that
  // is no exact half lies further from one than that.
  char text[400];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed, 40);
  if (ec != std::errc()) return 0.0;
  const std::string exact(text, end);
  const std::size_t point = exact.find('.');
  std::string rounded = exact.substr(0, point + 5);
  if (exact[point + 5] >= '5') IncrementLastDigit(rounded);
  const double magnitude = ReadBack(rounded.data(), rounded.data() + rounded.size());
  return value < 0 && magnitude != 0.0 ? -magnitude : magnitude;
}

}  // namespace korvat
