#include "calendar/timeline.h"

#include "automation/host_object.h"
#include "calendar/calendar_days.h"
#include "frame/addin_state.h"
#include "base/column_letters.h"
#include "base/minute_math.h"

namespace korvat {
namespace {

std::int64_t Unit() { return State().calendarSettings ? State().calendarSettings->CSCalendarUnit : 0; }

}  // namespace

void ComputeTimelineFrame(WbsSettings& s, std::int64_t unit) {
  if (const CalendarDay* first = FirstCalendarDay()) s.timelineStart = first->windowStart;
  if (const CalendarDay* last = LastCalendarDay()) s.timelineEnd = last->windowEnd;
  s.timelineMinutes = MinutesBetween(s.timelineStart, s.timelineEnd);
  s.lastTimelineColumn = (unit > 0 ? s.timelineMinutes / unit : 0) + s.firstTimelineColumn;
  s.lastTimelineColumnLetters = ColumnLetters(s.lastTimelineColumn);
}

std::int32_t TimelineColumnOf(double t) {
  const WbsSettings* s = State().wbsSettings.get();
  if (!s) return 0;
  if (t > s->timelineEnd) t = s->timelineEnd;
  if (t < s->timelineStart) t = s->timelineStart;
  const std::int64_t unit = Unit();
  const std::int64_t m = MinutesBetween(s->timelineStart, t);
  return static_cast<std::int32_t>((unit > 0 ? m / unit : 0) + s->firstTimelineColumn);
}

SlotRect TimeSlotRect(std::int64_t row, double t) {
  const WbsSettings* s = State().wbsSettings.get();
  if (!s) return {};
  const std::int32_t column = TimelineColumnOf(t);
  const AutomationObject cell =
      CellAt(State().wbsSheet.Get(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  const double left = GetLeft(cell.Get()), top = GetTop(cell.Get());
  const double width = GetWidth(cell.Get()), height = GetHeight(cell.Get());
  const std::int64_t unit = Unit();
  if (unit <= 0) return {left, top, 0.0, height};
  const double perMinute = width / static_cast<double>(unit);
  const std::int64_t r = MinutesBetween(s->timelineStart, t) % unit;
  return {left + static_cast<double>(r) * perMinute, top, perMinute - 1.5, height};
}

}  // namespace korvat
