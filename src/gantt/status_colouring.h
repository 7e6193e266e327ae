#pragma once
// The task table's own view of each task's state: the row colour (grey when
// complete, the level colour for summary tasks), a status marker in the name
// cell of a running task that is late, near its end or in its first half, and
// a frame around the predecessors cell of a task with a violated link.
// Markers are named "TaskStatus" + row, frames "TaskDepandS" + row.

#include <cstdint>

namespace korvat {

struct TaskRecord;

// Recolours the task's row and replaces its marker and frame.
void ColourTaskRow(TaskRecord& task);

// True when one of the ten task-name cells of the row holds more than blanks.
bool RowHasTaskName(std::int64_t row);

}  // namespace korvat
