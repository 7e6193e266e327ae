#pragma once
// Raising or lowering the outline level of the selected task rows by moving
// their names one task-name column left or right.

#include "plan/bound_plan.h"

namespace korvat {

// direction +1 one level deeper, -1 one level higher. True when the names were
// moved; the table is then read again, scheduled, and redrawn from the row
// above the selection. A refusal touches nothing.
bool ShiftLevel(BoundPlan& plan, int direction);

}  // namespace korvat
