#include "frame/calendar_date.h"

#include "frame/minute_math.h"
#include "frame/number_text.h"
#include "frame/text_helpers.h"

#include <cstdio>

namespace korvat {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

YearMonthDay CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp + (mp < 10 ? 3 : -9);
  return {yoe + era * 400 + (m <= 2), m, d};
}

constexpr std::int64_t kSerialOf1970 = 25569;  // DateSerial of 1970-01-01

}  // namespace

double DateFromYmd(std::int64_t year, std::int64_t month, std::int64_t day) {
  // Roll the month into the year first, then let the day run over.
  std::int64_t m0 = month - 1;
  year += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  m0 -= 12 * (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
  return static_cast<double>(DaysFromCivil(year, m0 + 1, 1) + (day - 1) + kSerialOf1970);
}

YearMonthDay YmdOf(double date) {
  return CivilFromDays(static_cast<std::int64_t>(WholeDays(date + kTimeGuard)) - kSerialOf1970);
}

std::string FormatDateKey(double date) {
  const YearMonthDay d = YmdOf(date);
  char text[40];
  std::snprintf(text, sizeof text, "%04lld/%02lld/%02lld", static_cast<long long>(d.year),
                static_cast<long long>(d.month), static_cast<long long>(d.day));
  return text;
}

std::string FormatMonthKey(double date) { return FormatDateKey(date).substr(0, 7); }

std::string FormatCompactDate(double date) {
  const YearMonthDay d = YmdOf(date);
  char text[40];
  std::snprintf(text, sizeof text, "%04lld%02lld%02lld", static_cast<long long>(d.year),
                static_cast<long long>(d.month), static_cast<long long>(d.day));
  return text;
}

double ParseYmdDate(std::string_view text) {
  const bool slashed = text.find('/') != std::string_view::npos;
  const std::string full = std::string(text) + (slashed ? "/01" : "01");
  const std::int64_t year = ParseLeadingInteger(MidText(full, 1, 4));
  const std::int64_t month = ParseLeadingInteger(MidText(full, slashed ? 6 : 5, 2));
  const std::int64_t day = ParseLeadingInteger(MidText(full, slashed ? 9 : 7, 2));
  if (year < 1900 || year > 9999) return 0.0;
  return DateFromYmd(year, month, day);
}

}  // namespace korvat
