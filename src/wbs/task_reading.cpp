#include "wbs/task_reading.h"

#include "automation/call_phase.h"
#include "automation/host_object.h"
#include "calendar/calendar_days.h"
#include "base/column_letters.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "wbs/task_code_index.h"
#include "wbs/task_duration.h"
#include "wbs/wbs_cells.h"

#include <cmath>

namespace korvat {
namespace {

using Counters = std::vector<std::array<std::int64_t, kMaxOutlineDepth + 1>>;

// The name cells of rows 0..taskCount, depth-major per row; the outline is
// counted from them, and each task's name is taken from them too, so that
// codes are known for every task as soon as the table is read.
using NameCells = std::vector<WideText>;

WideText NameCell(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  WideString text;
  if (row >= 1 && column >= 1) {
    const AutomationObject cell =
        CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
    GetWideText(cell.Get(), "Value", text);
  }
  return WideText(text.View());
}

bool HasTextBeforeTrailingBlanks(const WideText& text) {
  return text.find_last_not_of(KV_W(" \t")) != WideText::npos;
}

void CountOutline(const BoundPlan& plan, Counters& counter, NameCells& names, std::int64_t taskCount) {
  const WbsSettings& s = plan.wbsSettings;
  names.assign(static_cast<std::size_t>((taskCount + 1) * kMaxOutlineDepth), WideText());
  auto name = [&](std::int64_t i, int j) -> WideText& {
    return names[static_cast<std::size_t>(i * kMaxOutlineDepth + j)];
  };
  for (std::int64_t i = 0; i <= taskCount; ++i) counter[i].fill(0);
  counter[0][0] = 1;
  if (taskCount > 0)
    for (int j = 0; j < kMaxOutlineDepth; ++j) name(0, j) = NameCell(plan, s.firstTaskRow, s.taskNameColNo + j);
  for (std::int64_t i = 1; i <= taskCount; ++i) {
    name(i, 0) = NameCell(plan, s.firstTaskRow + i, s.taskNameColNo);
    counter[i][0] = counter[i - 1][0] + (name(i, 0).empty() ? 0 : 1);
  }
  for (int j = 1; j < kMaxOutlineDepth; ++j) {
    for (std::int64_t i = 1; i <= taskCount; ++i) {
      name(i, j) = NameCell(plan, s.firstTaskRow + i, s.taskNameColNo + j);
      const bool named = HasTextBeforeTrailingBlanks(name(i, j));
      std::int64_t& c = counter[i][j];
      c = counter[i - 1][j] + (named ? 1 : 0);
      if (!named && (counter[i][j - 1] > counter[i - 1][j - 1] || counter[i][j - 1] == 0)) c = 0;
    }
  }
}

std::string NumberOf(const WbsSettings& s, const std::array<std::int64_t, kMaxOutlineDepth + 1>& counter) {
  std::string number = FormatInteger(s.wbsNoBegin + counter[0] - 1);
  for (int j = 1; j <= kMaxOutlineDepth && counter[j] >= 1; ++j) number += s.wbsNoFormat + FormatInteger(counter[j]);
  return number;
}

void GrowPool(TaskTable& table, std::int64_t size) {
  while (table.pool.Count() < size) {
    table.pool.Add(FormatInteger(table.pool.Count() + 1), new TaskRecord);
  }
  if (size > table.poolSize) table.poolSize = size;
}

std::string CellName(std::string_view letters, std::int64_t row) { return std::string(letters) + FormatInteger(row); }

// A plan time cell holds a time of day; the day comes from the task's place under
// its top-level task. Text there, or a whole date typed with the time, is told once
// an export: the text reads as no time, the date-time as its time of day. Only a
// leaf's cells are the user's; a summary's formulas repeat what its leaves hold.
double PlanTimeAt(const BoundPlan& plan, const TaskRecord& task, std::string_view letters) {
  const std::int64_t row = task.row;
  const bool tell = task.isLeaf == 1;
  const std::optional<double> value = WbsRangeNumberIfAny(plan, letters, row);
  if (!value) {
    if (tell && !plan.notices.Told("task time text"))
      plan.notices.Tell("task time text",
                        "Cell " + CellName(letters, row) + " of the WBS sheet holds \"" +
                            WbsRangeText(plan, letters, row) +
                            "\" where a time of day belongs: the task is read without that time. Type the time "
                            "as a time of day, for example 09:00.");
    return 0.0;
  }
  // 24:00 and times a little past it are times of day; two days or more is a date.
  if (*value >= 2.0 && std::isfinite(*value)) {
    const double timeOfDay = *value - std::floor(*value);
    if (tell)
      plan.notices.Tell("task time date",
                      "Cell " + CellName(letters, row) + " of the WBS sheet holds a date with its time where only "
                      "a time of day belongs; its time of day is used. The day of a task is the day of its "
                      "top-level task.");
    return timeOfDay;
  }
  return *value;
}

void MakeAbsolute(double& value, const CalendarDay& day) {
  if (value != 0.0) value = TimeOnDay(value, day);
}

}  // namespace

double TimeOnDay(double timeOfDay, const CalendarDay& day) {
  // A time before the window opens lies after midnight; 24:00 and later already do.
  const bool afterMidnight = timeOfDay < 1.0 && HourOf(timeOfDay) < HourOf(day.windowStart);
  const double value = timeOfDay + day.date;
  return afterMidnight ? value + 1.0 : value;
}

bool IsTaskRow(const BoundPlan& plan, std::int64_t row) {
  const WbsSettings& s = plan.wbsSettings;
  for (int i = 0; i < kMaxOutlineDepth; ++i)
    if (!TrimRight(WbsRangeText(plan, ColumnLetters(s.taskNameColNo + i), row)).empty()) return true;
  return false;
}

std::int64_t CountTasks(const BoundPlan& plan) {
  const WbsSettings& s = plan.wbsSettings;
  if (s.taskNameColNo < 1) return 0;
  std::int64_t k = 0;
  while (k < kMaxTasks && IsTaskRow(plan, s.firstTaskRow + k)) ++k;
  if (k == kMaxTasks && IsTaskRow(plan, s.firstTaskRow + k))
    plan.notices.Tell("task limit", "The WBS sheet holds more than " + FormatInteger(kMaxTasks) +
                                        " task rows: the plan is read to row " +
                                        FormatInteger(s.firstTaskRow + kMaxTasks - 1) +
                                        " and the rows below it are left as they are.");
  return k;
}

void ReadTasks(BoundPlan& plan) {
  const CallPhase phase("scheduling");
  const WbsSettings& s = plan.wbsSettings;
  TaskTable& table = plan.taskTable;
  table.taskCount = CountTasks(plan);
  table.firstRow = s.firstTaskRow;
  NameCells names;
  CountOutline(plan, table.outlineCounters, names, table.taskCount);
  GrowPool(table, table.taskCount);
  table.tasks.Clear(false);
  for (std::int64_t i = 0; i < table.taskCount; ++i) {
    TaskRecord& task = *table.pool.ItemAt(i + 1);
    task.row = i + s.firstTaskRow;
    task.wbsNumber = NumberOf(s, table.outlineCounters[i]);
    task.level = static_cast<std::int64_t>(SplitText(ReplaceText(task.wbsNumber, s.wbsNoFormat, ","), ",").size());
    const std::int64_t depth = task.level < kMaxOutlineDepth ? task.level : kMaxOutlineDepth;
    task.isLeaf = table.outlineCounters[i + 1][depth] == 0 ? 1 : 0;
    task.dayIndex = ParseLeadingInteger(SplitText(task.wbsNumber, s.wbsNoFormat).front()) + 1 - s.wbsNoBegin;
    task.name = WideString::Copy(names[static_cast<std::size_t>(i * kMaxOutlineDepth + depth - 1)]);
    table.tasks.Add(task.wbsNumber, &task);
  }
  RebuildCodeIndex(table);
}

void RefreshTask(BoundPlan& plan, TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t row = task.row;
  WbsRangeWide(plan, ColumnLetters(task.level + s.taskNameColNo - 1), row, task.name);
  WbsRangeWide(plan, s.taskTypeCol, row, task.taskType);
  WbsRangeWide(plan, s.resourceCol, row, task.resource);
  task.pvText = WbsRangeText(plan, s.pvByTaskCol, row);
  task.acText = WbsRangeText(plan, s.acByTaskCol, row);
  task.plannedStart = PlanTimeAt(plan, task, s.plannedStartDateCol);
  task.plannedEnd = PlanTimeAt(plan, task, s.plannedEndDateCol);
  task.actualStart = PlanTimeAt(plan, task, s.actualStartDateCol);
  task.actualEnd = PlanTimeAt(plan, task, s.actualEndDateCol);
  task.percentText = WbsRangeText(plan, s.percentCompleteCol, row);
  task.predecessorsText = WbsRangeText(plan, s.predecessorsCol, row);
  if (const CalendarDay* day = CalendarDayAt(plan.calendarDays, task.dayIndex)) {
    MakeAbsolute(task.plannedStart, *day);
    MakeAbsolute(task.plannedEnd, *day);
    MakeAbsolute(task.actualStart, *day);
    MakeAbsolute(task.actualEnd, *day);
  } else {
    // A time of day without a day is no date.
    task.plannedStart = task.plannedEnd = task.actualStart = task.actualEnd = 0.0;
  }
  task.durationText = DurationTextOf(plan, task);
  UpdateTaskCode(plan.taskTable, task);
}

}  // namespace korvat
