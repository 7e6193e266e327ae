#include "calendar/calendar_days.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/minute_math.h"
#include "base/number_text.h"

#include <optional>
#include <string>

namespace korvat {
namespace {

constexpr std::uint32_t kFirstDayRow = 3;
constexpr std::uint32_t kMaxDayRows = 100000;

std::optional<double> CellNumber(IDispatch* sheet, std::uint32_t row, std::uint32_t column) {
  const AutomationObject cell = CellAt(sheet, row, column);
  return GetValueNumberIfAny(cell.Get());
}

std::string RowText(std::uint32_t row) { return "Row " + FormatInteger(row) + " of the calendar sheet (code name wsCalendar)"; }

}  // namespace

void LoadCalendarDays(IDispatch* workbook, CalendarDays& days, PlanNotices& notices) {
  days.Clear(true);
  const AutomationObject sheet = FindWorksheetByCodeName(workbook, "wsCalendar");
  if (sheet.IsEmpty()) return;
  for (std::uint32_t row = kFirstDayRow; row < kFirstDayRow + kMaxDayRows; ++row) {
    const AutomationObject dateCell = CellAt(sheet.Get(), row, 2);
    const std::string dateText = GetValueText(dateCell.Get());
    if (dateText.empty()) break;
    const std::optional<double> date = GetValueNumberIfAny(dateCell.Get());
    if (!date) {
      notices.Tell("calendar date text", RowText(row) + " holds \"" + dateText +
                                             "\" where a date belongs: the calendar ends above that row. Type the "
                                             "day as a date.");
      break;
    }
    const std::optional<double> start = CellNumber(sheet.Get(), row, 3);
    const std::optional<double> end = CellNumber(sheet.Get(), row, 4);
    if (!start || !end)
      notices.Tell("calendar time text", RowText(row) + " holds text where the start or the end of the working "
                                                         "window belongs: it is read as 00:00. Type the time as a "
                                                         "time of day.");
    auto* day = new CalendarDay;
    day->date = *date;
    day->windowStart = day->date + start.value_or(0.0);
    day->windowEnd = day->date + end.value_or(0.0);
    // A window that ends at or before its start ends on the next day (an evening shift).
    if (day->windowEnd <= day->windowStart) day->windowEnd += 1.0;
    days.Add(FormatDateKey(day->date), day);
  }
}

std::int64_t CalendarDayCount(const CalendarDays& days) { return days.Count(); }

const CalendarDay* FindCalendarDay(const CalendarDays& days, std::string_view dateKey) { return days.Find(dateKey); }

const CalendarDay* FirstCalendarDay(const CalendarDays& days) { return days.ItemAt(1); }

const CalendarDay* LastCalendarDay(const CalendarDays& days) { return days.ItemAt(days.Count()); }

const CalendarDay* CalendarDayAt(const CalendarDays& days, std::int64_t n) {
  if (n < 1) return nullptr;
  return days.ItemAt(n > days.Count() ? days.Count() : n);
}

namespace {

bool Holds(const CalendarDay* day, double t) {
  return day && day->windowStart - kTimeGuard <= t && t <= day->windowEnd + kTimeGuard;
}

}  // namespace

const CalendarDay* WorkingDayAt(const CalendarDays& days, double t) {
  const CalendarDay* own = FindCalendarDay(days, FormatDateKey(t));
  if (Holds(own, t)) return own;
  // A window that runs past midnight holds the first hours of the next date.
  const CalendarDay* before = FindCalendarDay(days, FormatDateKey(t - 1.0));
  if (Holds(before, t)) return before;
  return own;
}

}  // namespace korvat
