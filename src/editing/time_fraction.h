#pragma once
// The time of day the handlers write for a date: its fraction of a day, rounded
// to the millisecond. The fraction of an absolute date carries the rounding of
// the day added to it (0.33333333333576 for 08:00); the rounded one is the time
// the sheet held, so a date copied from the planned one reads back equal to it.

#include <cmath>

#include "base/minute_math.h"

namespace korvat {

inline double TimeFraction(double date) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  return std::nearbyint(TimeOfDay(date) * kMillisecondsPerDay) / kMillisecondsPerDay;
}

}  // namespace korvat
