#include "calendar/timeline.h"

#include "automation/host_object.h"
#include "base/column_letters.h"
#include "base/minute_math.h"
#include "calendar/calendar_days.h"

namespace korvat {

void ComputeTimelineFrame(WbsSettings& s, const CalendarDays& days, std::int64_t unit) {
  if (const CalendarDay* first = FirstCalendarDay(days)) s.timelineStart = first->windowStart;
  if (const CalendarDay* last = LastCalendarDay(days)) s.timelineEnd = last->windowEnd;
  s.timelineMinutes = MinutesBetween(s.timelineStart, s.timelineEnd);
  s.lastTimelineColumn = (unit > 0 ? s.timelineMinutes / unit : 0) + s.firstTimelineColumn;
  s.lastTimelineColumnLetters = ColumnLetters(s.lastTimelineColumn);
}

std::int32_t TimelineColumnOf(const BoundPlan& plan, double t) {
  const WbsSettings& s = plan.wbsSettings;
  if (t > s.timelineEnd) t = s.timelineEnd;
  if (t < s.timelineStart) t = s.timelineStart;
  const std::int64_t unit = plan.calendarSettings.CSCalendarUnit;
  const std::int64_t m = MinutesBetween(s.timelineStart, t);
  return static_cast<std::int32_t>((unit > 0 ? m / unit : 0) + s.firstTimelineColumn);
}

SlotRect TimeSlotRect(const BoundPlan& plan, std::int64_t row, double t) {
  SlotCell none;
  return TimeSlotRect(plan, row, t, none);
}

SlotRect TimeSlotRect(const BoundPlan& plan, std::int64_t row, double t, SlotCell& last) {
  const std::int32_t column = TimelineColumnOf(plan, t);
  if (last.column == 0 || last.column != column || last.row != row) {
    const AutomationObject cell =
        CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
    last.box.left = GetLeft(cell.Get());
    last.box.top = GetTop(cell.Get());
    last.box.width = GetWidth(cell.Get());
    last.box.height = GetHeight(cell.Get());
    last.row = row;
    last.column = column;
  }
  const double left = last.box.left, top = last.box.top;
  const double width = last.box.width, height = last.box.height;
  const std::int64_t unit = plan.calendarSettings.CSCalendarUnit;
  if (unit <= 0) return {left, top, 0.0, height};
  const double perMinute = width / static_cast<double>(unit);
  const std::int64_t r = MinutesBetween(plan.wbsSettings.timelineStart, t) % unit;
  return {left + static_cast<double>(r) * perMinute, top, perMinute - 1.5, height};
}

}  // namespace korvat
