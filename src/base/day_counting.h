#pragma once
// Counting and stepping over calendar days for the reports. Every date counts:
// the calendar sheet's windows and holidays do not enter.

#include <cstdint>

namespace korvat {

// Days from `from` to `to`, both included; 0 when from > to.
std::int64_t CountDaysInclusive(double from, double to);
// The date n days on (n below 1 counts as 1, the date itself being day 1),
// forward for direction +1, backward otherwise: date +/- (n - 1).
double DateAfterDays(double date, std::int64_t n, std::int64_t direction);

}  // namespace korvat
