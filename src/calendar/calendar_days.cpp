#include "calendar/calendar_days.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"

namespace korvat {
namespace {

constexpr std::uint32_t kFirstDayRow = 3;
constexpr std::uint32_t kMaxDayRows = 100000;

double CellNumber(IDispatch* sheet, std::uint32_t row, std::uint32_t column) {
  const AutomationObject cell = CellAt(sheet, row, column);
  return GetValueNumber(cell.Get());
}

}  // namespace

void LoadCalendarDays(IDispatch* workbook, CalendarDays& days) {
  days.Clear(true);
  const AutomationObject sheet = FindWorksheetByCodeName(workbook, "wsCalendar");
  if (sheet.IsEmpty()) return;
  for (std::uint32_t row = kFirstDayRow; row < kFirstDayRow + kMaxDayRows; ++row) {
    const AutomationObject dateCell = CellAt(sheet.Get(), row, 2);
    if (GetValueText(dateCell.Get()).empty()) break;
    auto* day = new CalendarDay;
    day->date = GetValueNumber(dateCell.Get());
    day->windowStart = day->date + CellNumber(sheet.Get(), row, 3);
    day->windowEnd = day->date + CellNumber(sheet.Get(), row, 4);
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

}  // namespace korvat
