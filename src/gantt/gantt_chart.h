#pragma once
// The whole chart and the redraws after row edits. The shapes on the sheet are
// the chart's only state: each run finds the old ones by name and replaces them.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// Deletes every shape named with the bar prefix, draws every task of the table
// and then all connectors. Refuses, with a message, when the bar template is
// missing (its empty prefix would match every shape of the sheet).
void DrawGanttChart(BoundPlan& plan);

// Deletes the row's shapes prefix + row + "A", "B", ... up to the first missing
// letter; true when at least one was deleted. Connectors are left alone.
bool DeleteTaskShapes(const BoundPlan& plan, std::int64_t row);

// Redraws the task and its ancestors (outermost first): deletes their shapes,
// finishes their rows and draws their bars; then, if asked, all connectors.
void RedrawTaskBranch(BoundPlan& plan, TaskRecord& task, bool withConnectors);

// Redraws the branch of the task at row, then every row below it while rows
// hold tasks or shapes, then all connectors.
void RedrawFromRow(BoundPlan& plan, std::int64_t row);

}  // namespace korvat
