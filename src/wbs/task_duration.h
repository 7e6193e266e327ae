#pragma once
// A task's duration in whole days, as the reports read it.

#include "plan/bound_plan.h"

#include <string>

namespace korvat {

// The text of the task's "WSDurationCol" cell when the workbook names that
// column; otherwise the days of the planned span, first and last day included
// ("" when either planned date is missing).
std::string DurationTextOf(const BoundPlan& plan, const TaskRecord& task);

}  // namespace korvat
