#pragma once
// Minute arithmetic on DateSerial values (whole days since 1899-12-30, the time
// of day as the fraction). Hours, minutes and seconds are taken after adding
// 1e-9 day to the time of day, so that a value a rounding step below a whole
// minute never loses that minute (08:00 to 08:30 is 30 minutes, never 29).

#include <cstdint>

namespace korvat {

constexpr double kTimeGuard = 1e-9;

struct TimeParts {
  std::int64_t hours = 0;  // 24 when the guard carries a value just below midnight over
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;
};

// The whole days of a value (floor) and the parts of its time of day.
double WholeDays(double value);
double TimeOfDay(double value);  // value - WholeDays(value)
TimeParts TimePartsOf(double value);
std::int64_t HourOf(double value);

// t plus n minutes: n truncated toward zero, t taken apart into its date and
// whole hours, minutes and seconds, and rebuilt.
double AddMinutes(double t, double minutes);
// The whole minutes from a to b: floor(b - a) x 1440 + 60 x hours + minutes of
// the time of day of the difference; seconds dropped.
std::int64_t MinutesBetween(double a, double b);

}  // namespace korvat
