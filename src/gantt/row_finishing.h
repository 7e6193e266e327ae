#pragma once
// Finishing a task row: the planning steps (WBS number, leaf formulas turned
// into values, durations, link check, and for a top-level summary the roll-up
// formulas of its subtree) with the status colouring of the row between them.
// This is the one place that knows both the planning and the drawing of a row;
// the scheduling pass receives it as its row finisher.

#include "plan/bound_plan.h"

namespace korvat {

// Refreshes the task from its row, then finishes it.
void FinishTaskRow(BoundPlan& plan, TaskRecord& task);

// Finishes a task whose record already holds its row's current cells.
void FinishRefreshedTaskRow(BoundPlan& plan, TaskRecord& task);

}  // namespace korvat
