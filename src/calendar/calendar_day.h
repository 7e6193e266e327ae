#pragma once
// One row of the calendar sheet: a day and its working window.

namespace korvat {

struct CalendarDay {
  double date = 0.0;         // DateSerial of the day
  double windowStart = 0.0;  // date + start time of the window
  double windowEnd = 0.0;    // date + end time of the window
};

}  // namespace korvat
