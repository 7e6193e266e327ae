#include "editing/sheet_change.h"

#include "automation/host_object.h"
#include "automation/message_box.h"
#include "base/minute_math.h"
#include "editing/time_fraction.h"
#include "base/number_text.h"
#include "calendar/calendar_days.h"
#include "editing/date_rules.h"
#include "editing/selected_rows.h"
#include "editing/unchanged_writes.h"
#include "gantt/connectors.h"
#include "gantt/gantt_chart.h"
#include "gantt/row_finishing.h"
#include "gantt/status_colouring.h"
#include "wbs/resource_list.h"
#include "wbs/row_filter.h"
#include "wbs/sheet_rows.h"
#include "wbs/table_extent.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "wbs/task_scheduling.h"
#include "wbs/wbs_cells.h"

#include <algorithm>
#include <cmath>

namespace korvat {
namespace {

constexpr std::int64_t kWholeRowColumns = 256;
constexpr unsigned kInformationIcon = 64;

struct Target {
  IDispatch* range = nullptr;
  std::int64_t row = 0;
  std::int64_t column = 0;
};

bool WholeRows(const Target& target) {
  return target.column == 1 && GetNumber(target.range, "Columns.Count") >= kWholeRowColumns;
}

void OnWholeRows(BoundPlan& plan, const Target& target) {
  if (IsTaskRow(plan, target.row)) {
    if (plan.wbsSettings.rescheduleMode != 0) LoadResources(plan);
    ReadTasks(plan);
    ScheduleTasks(plan, FinishRefreshedTaskRow);
    RedrawFromRow(plan, target.row);
  } else {
    ReadTasks(plan);
    ScheduleTasks(plan, FinishRefreshedTaskRow);
  }
}

// The end of a task from its start and minutes, when both are set.
void WriteEndFromMinutes(const BoundPlan& plan, std::int64_t row, const std::string& startLetters,
                         const std::string& minutesLetters, std::int64_t endColumn, bool complete) {
  const double start = WbsRangeNumber(plan, startLetters, row);
  const double minutes = std::nearbyint(WbsRangeNumber(plan, minutesLetters, row));
  if (start <= 0 || minutes <= 0) return;
  WriteTextIfChanged(plan, row, endColumn, FormatDouble(TimeFraction(AddMinutes(start, minutes))));
  if (complete) WriteTextIfChanged(plan, row, plan.wbsSettings.percentCompleteColNo, "100");
}

void FollowUp(BoundPlan& plan, TaskRecord& task, std::int64_t column, EventNesting& nesting) {
  const WbsSettings& s = plan.wbsSettings;
  const bool leaf = task.isLeaf != 0;
  if (leaf && s.pvByTaskColNo <= column && column <= s.plannedStartDateColNo)
    WriteEndFromMinutes(plan, task.row, s.plannedStartDateCol, s.pvByTaskCol, s.plannedEndDateColNo, false);
  else if (leaf && s.acByTaskColNo <= column && column <= s.actualStartDateColNo)
    WriteEndFromMinutes(plan, task.row, s.actualStartDateCol, s.acByTaskCol, s.actualEndDateColNo, true);
  const BookkeepingScope bookkeeping(nesting);
  if (column == s.predecessorsColNo) {
    FinishTaskRow(plan, task);
    DrawAllConnectors(plan);
  } else {
    RedrawTaskBranch(plan, task, true);
  }
}

// Task rows emptied: their shapes, colours and cells go, and the chart closes up.
void OnRowsEmptied(BoundPlan& plan, const Target& target, std::int64_t lastTableRow) {
  std::int64_t firstRow = 0;
  {
    const AutomationObject first = CellsItem(target.range, 1);
    firstRow = GetRow(first.Get());
  }
  if (IsTaskRow(plan, firstRow)) return;
  const std::int64_t selected = static_cast<std::int64_t>(std::nearbyint(GetNumber(target.range, "Rows.Count")));
  // Rows past the table hold no task: a whole-column change stops at its end.
  const std::int64_t n = std::min(selected, lastTableRow - firstRow + 1);
  for (std::int64_t i = n; i >= 1; --i) {
    const std::int64_t r = firstRow + i - 1;
    TaskRecord* task = TaskAtRow(plan.taskTable, r);
    if (task) {
      DeleteTaskShapes(plan, task->row);
      task->isLeaf = 1;
      ColourTaskRow(plan, *task);
      ClearRow(plan, r);
    }
    if (i == 1) {
      ReadTasks(plan);
      if (TaskRecord* last = LastTask(plan.taskTable)) RedrawTaskBranch(plan, *last, false);
      DrawAllConnectors(plan);
    }
  }
}

// A task row typed under the last task: it starts where the last task ends,
// with its resource, and the table grows by a formatted row when it was full.
void OnRowAdded(BoundPlan& plan, const Target& target, std::int64_t lastTableRow) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t r = target.row;
  if (r == lastTableRow) InsertRowBelow(plan, target.range);
  const ResourceRecord* resource = nullptr;
  double start = 0;
  if (r == s.firstTaskRow) {
    resource = FirstResource(plan.resources);
    if (const CalendarDay* day = FirstCalendarDay(plan.calendarDays)) start = day->windowStart;
  } else if (const TaskRecord* last = LastTask(plan.taskTable)) {
    resource = FindResource(plan.resources, last->resource.View());
    start = last->plannedEnd;
  }
  if (!resource) {
    ShowMessageBox(nullptr, KV_W("Please input resource information first!"), KV_W("Korvatplan"), kInformationIcon);
    return;
  }
  const std::int64_t unit = plan.calendarSettings.CSCalendarUnit;
  const double end = AddMinutes(start, static_cast<double>(unit));
  WriteWbsCell(plan, r, s.plannedStartDateColNo, FormatDouble(TimeFraction(start)));
  WriteWbsCell(plan, r, s.plannedEndDateColNo, FormatDouble(TimeFraction(end)));
  if (s.resourceColNo >= 1) {
    const AutomationObject cell =
        CellAt(plan.wbsSheet, static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(s.resourceColNo));
    PutWideText(cell.Get(), "Value", resource->resourceName.View());
  }
  WriteWbsCell(plan, r, s.loadBlockCol, FormatInteger(unit));
  ReadTasks(plan);
  RedrawFromRow(plan, r);
}

// Cells inside the table; false when the handler ends without the filter.
bool OnTableCells(BoundPlan& plan, const Target& target, std::int64_t lastTableRow, EventNesting& nesting) {
  const std::int64_t onSheet = CountTasks(plan);
  const std::int64_t inTable = plan.taskTable.tasks.Count();
  if (onSheet == inTable) {
    TaskRecord* task = TaskAtRow(plan.taskTable, target.row);
    if (!task) return false;
    if (task->isLeaf != 0) {
      // The rule's writes follow from the typed cell alone; answering them again
      // would let the actual-end rule overwrite a typed percent with "20".
      const BookkeepingScope bookkeeping(nesting);
      ApplyDateRule(plan, *task, target.column);
    }
    FollowUp(plan, *task, target.column, nesting);
    return true;
  }
  const BookkeepingScope bookkeeping(nesting);
  if (onSheet < inTable) {
    OnRowsEmptied(plan, target, lastTableRow);
    return false;
  }
  OnRowAdded(plan, target, lastTableRow);
  return true;
}

}  // namespace

void OnSheetChange(BoundPlan& plan, IDispatch* range, EventNesting& nesting) {
  const WbsSettings& s = plan.wbsSettings;
  if (s.autoUpdateMode == 0 || !OnWbsSheet(plan, range)) return;
  Target target{range, GetRow(range), GetColumn(range)};
  const std::int64_t lastTableRow = FindLastTableRow(plan);
  if (target.row < 1 || target.row > lastTableRow) return;
  // Copied: a nested event may replace the saved filter while this one runs.
  const std::string savedFilter = s.savedFilter;
  if (!savedFilter.empty()) {
    const BookkeepingScope bookkeeping(nesting);
    ApplyFilter(plan, "");
  }
  if (WholeRows(target)) {
    const BookkeepingScope bookkeeping(nesting);
    OnWholeRows(plan, target);
    return;
  }
  const bool inTable = s.firstTaskRow <= target.row && s.firstColNo <= target.column && target.column <= s.lastColNo;
  if (inTable && !OnTableCells(plan, target, lastTableRow, nesting)) return;
  if (!savedFilter.empty()) {
    const BookkeepingScope bookkeeping(nesting);
    ApplyFilter(plan, savedFilter);
  }
}

}  // namespace korvat
