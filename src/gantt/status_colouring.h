#pragma once
// The task table's own view of each task's state: the row colour (grey when
// complete, the level colour for summary tasks), a status marker in the name
// cell of a running task that is late, near its end or in its first half, and
// a frame around the predecessors cell of a task with a violated link.
// Markers are named "TaskStatus" + row, frames "TaskDepandS" + row.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

// Recolours the task's row and replaces its marker and frame.
void ColourTaskRow(const BoundPlan& plan, TaskRecord& task);

// True when one of the ten task-name cells of the row holds more than blanks.
bool RowHasTaskName(const BoundPlan& plan, std::int64_t row);

}  // namespace korvat
