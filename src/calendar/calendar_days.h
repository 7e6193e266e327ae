#pragma once
// The calendar days of the calendar sheet (code name "wsCalendar"): from row 3,
// the date in column 2 and the start and end of the day's working window, as
// times of day, in columns 3 and 4. A window whose end is at or before its start
// ends on the next day. Kept in sheet order under "yyyy/mm/dd" keys; ordinals
// run from 1.

#include "plan/calendar_day.h"
#include "plan/plan_notices.h"
#include "platform/com.h"

#include <cstdint>
#include <string_view>

namespace korvat {

// Empties the list (freeing its days) and reads the workbook's calendar sheet
// again. The list ends at the first row whose date cell is empty or holds text
// that is no date (the user is told), and after 100,000 rows at most (a sheet
// filled to its end is not read forever). A window time typed as text is told
// and read as 00:00.
void LoadCalendarDays(IDispatch* workbook, CalendarDays& days, PlanNotices& notices);

std::int64_t CalendarDayCount(const CalendarDays& days);
// The first day with the key, or null.
const CalendarDay* FindCalendarDay(const CalendarDays& days, std::string_view dateKey);
const CalendarDay* FirstCalendarDay(const CalendarDays& days);
const CalendarDay* LastCalendarDay(const CalendarDays& days);
// Day n (from 1); the last day for n beyond the count; null for n < 1 or no days.
const CalendarDay* CalendarDayAt(const CalendarDays& days, std::int64_t n);
// The day whose working window holds t: t's own date, or the day before when its
// window runs past midnight; else the day of t's date (whose window does not hold
// t), or null when the calendar has no such date.
const CalendarDay* WorkingDayAt(const CalendarDays& days, double t);

}  // namespace korvat
