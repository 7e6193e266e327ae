#include "gantt/bar_geometry.h"

#include "calendar/timeline.h"

#include <cmath>

namespace korvat {
namespace {

// Only geometry is read while a task's rectangles are computed: times in one cell
// share its reads.
BarRect SlotOf(const BoundPlan& plan, const TaskRecord& task, double t, SlotCell& last) {
  const SlotRect r = TimeSlotRect(plan, task.row, t, last);
  return {r.left, r.top, r.width, r.height};
}

}  // namespace

BarRect SpanRect(const BarRect& a, const BarRect& b) {
  BarRect span;
  span.left = a.left < b.left ? a.left : b.left;
  span.top = a.top < b.top ? a.top : b.top;
  span.width = std::fabs(b.left + b.width - a.left);
  span.height = b.height > a.height ? b.height : a.height;
  return span;
}

void ComputeBarGeometry(const BoundPlan& plan, TaskRecord& task) {
  SlotCell last;
  if (task.plannedStart != 0) {
    task.plannedStartCell = SlotOf(plan, task, task.plannedStart, last);
    if (task.plannedEnd != 0) {
      task.plannedEndCell = SlotOf(plan, task, task.plannedEnd, last);
      task.plannedBar = SpanRect(task.plannedStartCell, task.plannedEndCell);
    } else {
      task.plannedBar = task.plannedStartCell;
    }
  }
  if (task.actualStart == 0) {
    task.actualBar = task.plannedBar;
    return;
  }
  task.actualStartCell = SlotOf(plan, task, task.actualStart, last);
  if (task.actualEnd == 0) {
    task.actualBar = task.actualStartCell;
    return;
  }
  task.actualEndCell = SlotOf(plan, task, task.actualEnd, last);
  task.actualBar = SpanRect(task.actualStartCell, task.actualEndCell);
}

}  // namespace korvat
