#pragma once
// What a user's edit of a leaf task's percent or actual date cell completes:
// the actual dates from the planned ones, the percent from the actual dates.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// The rule of the changed column, when it is the percent, actual end or actual
// start column; other columns change nothing. The task's planned dates are the
// record's, as the table was last read.
void ApplyDateRule(const BoundPlan& plan, const TaskRecord& task, std::int64_t column);

}  // namespace korvat
