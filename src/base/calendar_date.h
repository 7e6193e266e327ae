#pragma once
// Calendar dates of DateSerial values: year, month and day, the "yyyy/mm/dd"
// key of the calendar list, and the reading of period keys back into dates.

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

struct YearMonthDay {
  std::int64_t year = 0;
  std::int64_t month = 0;
  std::int64_t day = 0;
};

// Months and days outside their ranges roll over as the host's date function
// does (month 13 is January of the next year, day 0 the last day of the month before).
double DateFromYmd(std::int64_t year, std::int64_t month, std::int64_t day);
YearMonthDay YmdOf(double date);
// "yyyy/mm/dd" and "yyyy/mm".
std::string FormatDateKey(double date);
std::string FormatMonthKey(double date);
// "yyyymmdd".
std::string FormatCompactDate(double date);

// A text holding "/" is read, after "/01" is appended, as year (characters 1
// to 4), month (6 to 7) and day (9 to 10); any other text, after "01" is
// appended, as year (1 to 4), month (5 to 6) and day (7 to 8). Each field is
// read by the leading-integer parse of what the text holds there. A text whose
// year is not 1900 to 9999 gives 0 (no date).
double ParseYmdDate(std::string_view text);

}  // namespace korvat
