#pragma once
// Reading the task table from the WBS sheet: which rows are tasks, their WBS
// numbers, levels, leaves and day ordinals, and each task's cells. Column
// positions and the first task row come from the plan's WBS settings.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// Rebuilds the plan's task table from the sheet: task rows, WBS numbers,
// levels, leaves and day ordinals. Cell values are left to RefreshTask.
void ReadTasks(BoundPlan& plan);
// Consecutive task rows from the first task row, at most kMaxTasks.
std::int64_t CountTasks(const BoundPlan& plan);
// True when one of the ten task-name cells of the row holds more than blanks.
bool IsTaskRow(const BoundPlan& plan, std::int64_t row);
// A time of day of a task's date cell placed on the task's calendar day: the
// day's date added, and one day more when the hour comes before the hour the
// day's window opens (a window opening in the evening runs past midnight); a
// time of 24:00 or later lies past midnight already.
double TimeOnDay(double timeOfDay, const CalendarDay& day);
// Re-reads the record's cells from its row and makes its dates absolute
// against its calendar day.
void RefreshTask(BoundPlan& plan, TaskRecord& task);

}  // namespace korvat
