#pragma once
// Shifting the planned times of the selected unstarted leaf tasks.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// Moves the planned start and end of every selected unstarted leaf task by
// a x b minutes, keeping its planned minutes; summary and started tasks keep
// their times. True when the selection was on task rows below the first; the
// chart is then redrawn from the row above the selection.
bool OffsetTasks(BoundPlan& plan, std::int32_t a, std::int32_t b);

}  // namespace korvat
