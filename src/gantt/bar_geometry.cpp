#include "gantt/bar_geometry.h"

#include "calendar/timeline.h"

#include <cmath>

namespace korvat {
namespace {

BarRect SlotOf(const BoundPlan& plan, const TaskRecord& task, double t) {
  const SlotRect r = TimeSlotRect(plan, task.row, t);
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
  if (task.plannedStart != 0) {
    task.plannedStartCell = SlotOf(plan, task, task.plannedStart);
    if (task.plannedEnd != 0) {
      task.plannedEndCell = SlotOf(plan, task, task.plannedEnd);
      task.plannedBar = SpanRect(task.plannedStartCell, task.plannedEndCell);
    } else {
      task.plannedBar = task.plannedStartCell;
    }
  }
  if (task.actualStart == 0) {
    task.actualBar = task.plannedBar;
    return;
  }
  task.actualStartCell = SlotOf(plan, task, task.actualStart);
  if (task.actualEnd == 0) {
    task.actualBar = task.actualStartCell;
    return;
  }
  task.actualEndCell = SlotOf(plan, task, task.actualEnd);
  task.actualBar = SpanRect(task.actualStartCell, task.actualEndCell);
}

}  // namespace korvat
