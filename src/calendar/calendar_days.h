#pragma once
// The calendar days of the calendar sheet (code name "wsCalendar"): from row 3,
// the date in column 2 and the start and end of the day's working window, as
// times of day, in columns 3 and 4. Kept in the add-in state's calendarDays in
// sheet order under "yyyy/mm/dd" keys; ordinals run from 1.

#include "calendar/calendar_day.h"

#include <cstdint>
#include <string_view>

namespace korvat {

// Empties the list (freeing its days) and reads the calendar sheet again. The
// list ends at the first row whose date cell is empty, and after one row per
// possible task row at most (a sheet filled to its end is not read forever).
void LoadCalendarDays();

std::int64_t CalendarDayCount();
const CalendarDay* FindCalendarDay(std::string_view dateKey);  // first day with the key, or null
const CalendarDay* FirstCalendarDay();
const CalendarDay* LastCalendarDay();
// Day n (from 1); the last day for n beyond the count; null for n < 1 or no days.
const CalendarDay* CalendarDayAt(std::int64_t n);

}  // namespace korvat
