#pragma once
// Whether the timeline can be drawn from the plan as it was loaded. Drawing clears
// and formats the cells right of the timeline's first column and places shapes by
// the calendar, so a setting or a calendar that would put the timeline over the
// task table, run it backwards or past the sheet's last column must stop the
// drawing before anything is touched.

#include "plan/bound_plan.h"

namespace korvat {

// The widest sheet the library draws on: columns A to XFD.
inline constexpr std::int64_t kSheetColumns = 16384;

// True when the timeline can be drawn. Otherwise tells the user the first reason
// it cannot (through the plan's notices, once per export) and returns false:
// a calendar unit of 0 or less; "WSCalendarFirstCol" that is no column of capital
// letters or not right of "WSLastCol"; header rows that are not all above the first
// task row; a calendar with no day, with days out of order or a timeline that ends
// before it starts; a timeline that needs more columns than the sheet has.
bool TimelineDrawable(const BoundPlan& plan);

}  // namespace korvat
