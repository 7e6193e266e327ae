#include "editing/level_shift.h"

#include "automation/host_object.h"
#include "editing/selected_rows.h"
#include "editing/table_refresh.h"
#include "wbs/task_lookup.h"

namespace korvat {
namespace {

bool ShiftAllowed(const BoundPlan& plan, const SelectedRows& rows, int direction) {
  const TaskTable& table = plan.taskTable;
  if (rows.first <= plan.wbsSettings.firstTaskRow) return false;
  const TaskRecord* prev = TaskAtRow(table, rows.first - 1);
  const TaskRecord* cur = TaskAtRow(table, rows.first);
  const TaskRecord* last = TaskAtRow(table, rows.Last());
  const TaskRecord* after = TaskAtRow(table, rows.first + rows.count);
  if (!cur) return false;
  if (direction < 0) {
    if (cur->level == 1) return false;
    if (last && after && after->level > last->level) return false;
  } else {
    if (prev && prev->level < cur->level) return false;
    if (cur->level == kMaxOutlineDepth) return false;
  }
  // Every selected name must stay inside the ten task-name columns: a name
  // shifted past them would overwrite the WBS number or the task type.
  for (std::int64_t row = rows.first; row <= rows.Last(); ++row) {
    const TaskRecord* task = TaskAtRow(table, row);
    if (!task) continue;
    const std::int64_t level = task->level + direction;
    if (level < 1 || level > kMaxOutlineDepth) return false;
  }
  return true;
}

void MoveName(const BoundPlan& plan, const TaskRecord& task, int direction) {
  const std::int64_t from = plan.wbsSettings.taskNameColNo + task.level - 1;
  const std::int64_t to = from + direction;
  if (from < 1 || to < 1) return;
  {
    const AutomationObject target =
        CellAt(plan.wbsSheet, static_cast<std::uint32_t>(task.row), static_cast<std::uint32_t>(to));
    PutWideText(target.Get(), "Value", task.name.View());
  }
  const AutomationObject source =
      CellAt(plan.wbsSheet, static_cast<std::uint32_t>(task.row), static_cast<std::uint32_t>(from));
  ClearContents(source.Get());
}

}  // namespace

bool ShiftLevel(BoundPlan& plan, int direction) {
  if (plan.taskTable.taskCount < 2) return false;
  const std::optional<SelectedRows> rows = ReadSelectedRows(plan);
  if (!rows || !ShiftAllowed(plan, *rows, direction)) return false;
  for (std::int64_t row = rows->first; row <= rows->Last(); ++row)
    if (const TaskRecord* task = TaskAtRow(plan.taskTable, row)) MoveName(plan, *task, direction);
  RescheduleAndRedraw(plan, rows->first - 1);
  return true;
}

}  // namespace korvat
