#pragma once
// The timeline of the WBS sheet: columns of "CSCalendarUnit" minutes each from
// the window start of the first calendar day to the window end of the last.
// With a unit of 0 or less nothing is divided: every time maps to the first
// timeline column and a slot has no width (the drawing exports refuse such a
// unit before they draw, see TimelineDrawable).

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

struct SlotRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// Recomputes timelineStart/End (kept when there are no days), timelineMinutes,
// lastTimelineColumn and its letters from the calendar days and the unit.
void ComputeTimelineFrame(WbsSettings& settings, const CalendarDays& days, std::int64_t calendarUnit);

// The timeline column of t, clamped to the timeline.
std::int32_t TimelineColumnOf(const BoundPlan& plan, double t);
// The anchor of t in row of the WBS sheet: the column's Left plus the minutes
// into the slot, the row's Top and Height, and the width of one minute less
// 1.5 points.
SlotRect TimeSlotRect(const BoundPlan& plan, std::int64_t row, double t);

// The cell a slot was last read from, so that several times in one cell read
// its geometry once (nothing a caller does between the reads may move cells).
struct SlotCell {
  std::int64_t row = 0;
  std::int32_t column = 0;  // 0: none read yet
  SlotRect box;
};
SlotRect TimeSlotRect(const BoundPlan& plan, std::int64_t row, double t, SlotCell& last);

}  // namespace korvat
