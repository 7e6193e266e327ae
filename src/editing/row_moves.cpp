#include "editing/row_moves.h"

#include "automation/dispatch_call.h"
#include "editing/row_range_text.h"
#include "editing/selected_rows.h"
#include "editing/table_refresh.h"
#include "wbs/task_lookup.h"

namespace korvat {
namespace {

constexpr std::int32_t kShiftDown = -4121;

std::int64_t LevelOf(const TaskRecord* task) { return task ? task->level : 0; }

// The outline checks: true when moving the block keeps every level at most one
// below its upper neighbour and the first row a top-level task.
bool MoveAllowed(const BoundPlan& plan, const SelectedRows& rows, int direction) {
  const TaskTable& table = plan.taskTable;
  const std::int64_t r = rows.first;
  const TaskRecord* cur = TaskAtRow(table, r);
  const TaskRecord* prev = TaskAtRow(table, r - 1);
  const TaskRecord* prev2 = TaskAtRow(table, r - 2);
  const TaskRecord* after = TaskAtRow(table, r + rows.count);
  if (!cur) return false;
  if (prev && after && after->level - prev->level >= 2) return false;
  const std::int64_t firstTaskRow = plan.wbsSettings.firstTaskRow;
  if (direction < 0) {
    if (r <= firstTaskRow) return false;
    if (r == firstTaskRow + 1 && cur->level != 1) return false;
    if (prev2 && cur->level > LevelOf(prev2) + 1) return false;
  } else {
    if (r + rows.count >= table.taskCount + firstTaskRow) return false;
    if (after && cur->level > after->level + 1) return false;
  }
  return true;
}

void MoveBlock(const BoundPlan& plan, const SelectedRows& rows, int direction) {
  const std::int64_t k = direction < 0 ? rows.first - 1 : rows.first + rows.count + 1;
  const std::string block = RowRangeText(rows.first, rows.Last());
  const std::string target = RowRangeText(k, k);
  const std::string moved = RowRangeText(rows.first + direction, rows.Last() + direction);
  CallMethod(plan.wbsSheet, KV_W(".Rows(%s).Cut"), block.c_str());
  CallMethod(plan.wbsSheet, KV_W(".Rows(%s).Insert(%d)"), target.c_str(), kShiftDown);
  CallMethod(plan.wbsSheet, KV_W(".Rows(%s).Select"), moved.c_str());
}

}  // namespace

bool MoveTasks(BoundPlan& plan, int direction) {
  if (plan.taskTable.taskCount < 2) return false;
  const std::optional<SelectedRows> rows = ReadSelectedRows(plan);
  if (!rows || !MoveAllowed(plan, *rows, direction)) return false;
  MoveBlock(plan, *rows, direction);
  RescheduleAndRedraw(plan, rows->first - 1);
  return true;
}

}  // namespace korvat
