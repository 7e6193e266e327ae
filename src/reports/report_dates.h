#pragma once
// Dates the reports read straight from the WBS sheet's date cells. Those cells
// hold times of day; the reports place a time of day on the calendar day of the
// row's task, as reading the task table does, and take a value that already
// holds a date as it is.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// The date a value of a date cell of the row stands for: a value from 0 to 1
// (a time of day) on the calendar day of the row's task; 0 when the row has no
// task or the calendar no day (a time of day without a day is no date). Any
// other value, 0 included, is returned as it is.
double CellDateOfRow(const BoundPlan& plan, std::int64_t row, double value);

// The latest date of a WBS column from the first task row to the table's last
// row, and at least the timeline's start. Column 0 stands for the planned end
// column.
double LatestColumnDate(const BoundPlan& plan, std::int64_t column);

}  // namespace korvat
