#include "base/day_counting.h"

#include <cmath>

namespace korvat {

// Closed forms of the day-by-day walk: d, d + 1, ... while d <= to.
std::int64_t CountDaysInclusive(double from, double to) {
  if (!(from <= to)) return 0;
  return static_cast<std::int64_t>(std::floor(to - from)) + 1;
}

double DateAfterDays(double date, std::int64_t n, std::int64_t direction) {
  if (n < 1) n = 1;
  const double step = direction == 1 ? 1.0 : -1.0;
  return date + step * static_cast<double>(n - 1);
}

}  // namespace korvat
