#pragma once
// One row of the calendar sheet: a day and its working window; and the list of
// them, in sheet order under "yyyy/mm/dd" keys, owning its days.

#include "base/keyed_list.h"

namespace korvat {

struct CalendarDay {
  double date = 0.0;         // DateSerial of the day
  double windowStart = 0.0;  // date + start time of the window
  double windowEnd = 0.0;    // date + end time of the window
};

using CalendarDays = KeyedList<CalendarDay>;

}  // namespace korvat
