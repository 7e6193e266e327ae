#include "editing/task_offset.h"

#include "base/minute_math.h"
#include "editing/time_fraction.h"
#include "base/number_text.h"
#include "editing/selected_rows.h"
#include "gantt/gantt_chart.h"
#include "wbs/task_lookup.h"
#include "wbs/task_status.h"
#include "wbs/wbs_cells.h"

#include <cmath>

namespace korvat {
namespace {

void OffsetTask(const BoundPlan& plan, const TaskRecord& task, double offsetMinutes) {
  const WbsSettings& s = plan.wbsSettings;
  const double start = WbsRangeNumber(plan, s.plannedStartDateCol, task.row);
  const double minutes = std::nearbyint(WbsRangeNumber(plan, s.pvByTaskCol, task.row));
  const double newStart = AddMinutes(start, offsetMinutes);
  const double newEnd = AddMinutes(newStart, minutes);
  WriteWbsCell(plan, task.row, s.plannedStartDateColNo, FormatDouble(TimeFraction(newStart)));
  WriteWbsCell(plan, task.row, s.plannedEndDateColNo, FormatDouble(TimeFraction(newEnd)));
}

}  // namespace

bool OffsetTasks(BoundPlan& plan, std::int32_t a, std::int32_t b) {
  if (plan.taskTable.taskCount < 2) return false;
  const std::optional<SelectedRows> rows = ReadSelectedRows(plan);
  if (!rows || rows->first <= plan.wbsSettings.firstTaskRow) return false;
  // In 64 bits: the product of two 32-bit arguments does not fit in 32.
  const double offsetMinutes = static_cast<double>(static_cast<std::int64_t>(a) * b);
  for (std::int64_t row = rows->first; row <= rows->Last(); ++row) {
    const TaskRecord* task = TaskAtRow(plan.taskTable, row);
    if (task && task->isLeaf == 1 && !IsStarted(*task)) OffsetTask(plan, *task, offsetMinutes);
  }
  RedrawFromRow(plan, rows->first - 1);
  return true;
}

}  // namespace korvat
