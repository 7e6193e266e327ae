#include "base/calendar_date.h"

#include "base/minute_math.h"
#include "base/number_text.h"
#include "base/text_helpers.h"

#include "platform/civil_date.h"

#include <cstdio>

namespace korvat {

double DateFromYmd(std::int64_t year, std::int64_t month, std::int64_t day) {
  // Roll the month into the year first, then let the day run over.
  std::int64_t m0 = month - 1;
  year += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  m0 -= 12 * (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
  return static_cast<double>(platform::DaysFromCivil(year, static_cast<int>(m0 + 1), 1) + (day - 1) + platform::kDateOf1970);
}

YearMonthDay YmdOf(double date) {
  const platform::CivilDate d =
      platform::CivilFromDays(static_cast<std::int64_t>(WholeDays(date + kTimeGuard)) - platform::kDateOf1970);
  return {d.year, d.month, d.day};
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
