#include "editing/selection_change.h"

#include "automation/host_object.h"
#include "base/minute_math.h"
#include "editing/time_fraction.h"
#include "base/number_text.h"
#include "editing/selected_rows.h"
#include "editing/unchanged_writes.h"
#include "gantt/gantt_chart.h"
#include "gantt/row_finishing.h"
#include "wbs/task_lookup.h"

#include <cmath>

namespace korvat {
namespace {

struct CellPosition {
  std::int64_t row = 0;
  std::int64_t column = 0;
};

CellPosition PositionOfItem(IDispatch* range, std::int64_t n) {
  const AutomationObject cell = CellsItem(range, n);
  return {GetRow(cell.Get()), GetColumn(cell.Get())};
}

}  // namespace

void OnSelectionChange(BoundPlan& plan, IDispatch* selection, EventNesting& nesting) {
  const WbsSettings& s = plan.wbsSettings;
  if (s.firstTimelineColumn < 1 || !OnWbsSheet(plan, selection)) return;
  const std::int64_t n = static_cast<std::int64_t>(std::nearbyint(GetNumber(selection, "Columns.Count")));
  if (n < 1) return;
  const CellPosition first = PositionOfItem(selection, 1);
  TaskRecord* task = TaskAtRow(plan.taskTable, first.row);
  if (!task || first.column < s.firstTimelineColumn) return;
  const std::int64_t lastColumn = PositionOfItem(selection, n).column;
  const double unit = static_cast<double>(plan.calendarSettings.CSCalendarUnit);
  const double start = AddMinutes(s.timelineStart, unit * static_cast<double>(first.column - s.firstTimelineColumn));
  const double end = AddMinutes(s.timelineStart, unit * static_cast<double>(lastColumn + 1 - s.firstTimelineColumn));
  const std::int64_t row = first.row;
  WriteTextIfChanged(plan, row, s.plannedStartDateColNo, FormatDouble(TimeFraction(start)));
  WriteTextIfChanged(plan, row, s.plannedEndDateColNo, FormatDouble(TimeFraction(end)));
  const BookkeepingScope bookkeeping(nesting);
  // The writes' own events may have read the table again: the task of the row now.
  if (TaskRecord* now = TaskAtRow(plan.taskTable, row)) {
    FinishTaskRow(plan, *now);
    RedrawTaskBranch(plan, *now, true);
  }
}

}  // namespace korvat
