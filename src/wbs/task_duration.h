#pragma once
// A task's duration in whole days, as the reports read it.

#include "plan/bound_plan.h"

#include <cstdint>
#include <string>

namespace korvat {

// The days of the task's planned span, first and last calendar day included
// (a planned end at midnight ends the day before), at least 1; 0 when either
// planned date is missing.
std::int64_t PlannedSpanDays(const TaskRecord& task);
// The text of the task's "WSDurationCol" cell when the workbook names that
// column; otherwise the days of the planned span, first and last day included
// ("" when either planned date is missing).
std::string DurationTextOf(const BoundPlan& plan, const TaskRecord& task);

}  // namespace korvat
