#pragma once
// Moving the selected task rows one row up or down, when the outline stays
// well formed.

#include "plan/bound_plan.h"

namespace korvat {

// direction -1 moves the block up, +1 down. True when the rows were moved; the
// table is then read again, scheduled, and redrawn from the row above the
// selection. A refusal touches nothing.
bool MoveTasks(BoundPlan& plan, int direction);

}  // namespace korvat
