#pragma once
// After the outline changed: the resources and the task table read again, one
// scheduling pass with the plan's rescheduleMode, and the chart redrawn from a
// row down.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

void RescheduleAndRedraw(BoundPlan& plan, std::int64_t fromRow);

}  // namespace korvat
