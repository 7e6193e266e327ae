#include "base/minute_math.h"

#include <cmath>

namespace korvat {

double WholeDays(double value) { return std::floor(value); }

double TimeOfDay(double value) { return value - std::floor(value); }

TimeParts TimePartsOf(double value) {
  const double seconds = std::floor((TimeOfDay(value) + kTimeGuard) * 86400.0);
  const auto total = static_cast<std::int64_t>(seconds);
  return {total / 3600, (total / 60) % 60, total % 60};
}

std::int64_t HourOf(double value) { return TimePartsOf(value).hours; }

double AddMinutes(double t, double minutes) {
  const double whole = std::trunc(minutes);
  const TimeParts parts = TimePartsOf(t);
  const double seconds =
      static_cast<double>(parts.hours * 3600 + parts.minutes * 60 + parts.seconds) + whole * 60.0;
  return WholeDays(t) + seconds / 86400.0;
}

std::int64_t MinutesBetween(double a, double b) {
  const double d = b - a;
  const TimeParts parts = TimePartsOf(d);
  return static_cast<std::int64_t>(WholeDays(d)) * 1440 + parts.hours * 60 + parts.minutes;
}

}  // namespace korvat
