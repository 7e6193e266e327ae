#pragma once
// Drawing one task on the chart: its plan bar, the actual bar or progress fill
// and percent label its state calls for, task-type symbols in place of bars,
// and the text label after all of them.

#include "plan/bound_plan.h"
#include "platform/com.h"

namespace korvat {

// The WBS number followed directly by the name, cut to 99 characters, then
// " (" + resource + ")" when the task has a resource, cut to 99 again.
WideText BarLabelText(const TaskRecord& task);

// Refreshes the task from its row, computes its geometry and draws its shapes
// (none for a task without a planned start). The shapes are named after the
// row in drawing order, so the plan bar, or the first symbol, gets "A".
void DrawTaskBars(BoundPlan& plan, TaskRecord& task);

}  // namespace korvat
