#include "automation/host_object.h"
#include "calendar/calendar_days.h"
#include "frame/addin_state.h"
#include "base/column_letters.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "wbs/task_code_index.h"
#include "wbs/task_duration.h"
#include "wbs/task_table.h"
#include "wbs/wbs_cells.h"

namespace korvat {
namespace {

const WbsSettings& Settings() {
  static const WbsSettings empty;
  return State().wbsSettings ? *State().wbsSettings : empty;
}

using Counters = std::vector<std::array<std::int64_t, kMaxOutlineDepth + 1>>;

// The name cells of rows 0..taskCount, depth-major per row; the outline is
// counted from them, and each task's name is taken from them too, so that
// codes are known for every task as soon as the table is read.
using NameCells = std::vector<WideText>;

WideText NameCell(std::int64_t row, std::int64_t column) {
  WideString text;
  if (row >= 1 && column >= 1) {
    const AutomationObject cell =
        CellAt(State().wbsSheet.Get(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
    GetWideText(cell.Get(), "Value", text);
  }
  return WideText(text.View());
}

bool HasTextBeforeTrailingBlanks(const WideText& text) {
  return text.find_last_not_of(KV_W(" \t")) != WideText::npos;
}

void CountOutline(Counters& counter, NameCells& names, std::int64_t taskCount) {
  const WbsSettings& s = Settings();
  names.assign(static_cast<std::size_t>((taskCount + 1) * kMaxOutlineDepth), WideText());
  auto name = [&](std::int64_t i, int j) -> WideText& {
    return names[static_cast<std::size_t>(i * kMaxOutlineDepth + j)];
  };
  for (std::int64_t i = 0; i <= taskCount; ++i) counter[i].fill(0);
  counter[0][0] = 1;
  if (taskCount > 0)
    for (int j = 0; j < kMaxOutlineDepth; ++j) name(0, j) = NameCell(s.firstTaskRow, s.taskNameColNo + j);
  for (std::int64_t i = 1; i <= taskCount; ++i) {
    name(i, 0) = NameCell(s.firstTaskRow + i, s.taskNameColNo);
    counter[i][0] = counter[i - 1][0] + (name(i, 0).empty() ? 0 : 1);
  }
  for (int j = 1; j < kMaxOutlineDepth; ++j) {
    for (std::int64_t i = 1; i <= taskCount; ++i) {
      name(i, j) = NameCell(s.firstTaskRow + i, s.taskNameColNo + j);
      const bool named = HasTextBeforeTrailingBlanks(name(i, j));
      std::int64_t& c = counter[i][j];
      c = counter[i - 1][j] + (named ? 1 : 0);
      if (!named && (counter[i][j - 1] > counter[i - 1][j - 1] || counter[i][j - 1] == 0)) c = 0;
    }
  }
}

std::string NumberOf(const std::array<std::int64_t, kMaxOutlineDepth + 1>& counter) {
  const WbsSettings& s = Settings();
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

void MakeAbsolute(double& value, const CalendarDay& day) {
  if (value == 0.0) return;
  value += day.date;
  if (HourOf(value) < HourOf(day.windowStart)) value += 1.0;
}

}  // namespace

bool IsTaskRow(std::int64_t row) {
  const WbsSettings& s = Settings();
  for (int i = 0; i < kMaxOutlineDepth; ++i)
    if (!TrimRight(WbsRangeText(ColumnLetters(s.taskNameColNo + i), row)).empty()) return true;
  return false;
}

std::int64_t CountTasks() {
  const WbsSettings& s = Settings();
  if (s.taskNameColNo < 1) return 0;
  std::int64_t k = 0;
  while (k < kMaxTasks && IsTaskRow(s.firstTaskRow + k)) ++k;
  return k;
}

void ReadTasks(TaskTable& table) {
  const WbsSettings& s = Settings();
  table.taskCount = CountTasks();
  NameCells names;
  CountOutline(table.outlineCounters, names, table.taskCount);
  GrowPool(table, table.taskCount);
  table.tasks.Clear(false);
  for (std::int64_t i = 0; i < table.taskCount; ++i) {
    TaskRecord& task = *table.pool.ItemAt(i + 1);
    task.row = i + s.firstTaskRow;
    task.wbsNumber = NumberOf(table.outlineCounters[i]);
    task.level = static_cast<std::int64_t>(SplitText(ReplaceText(task.wbsNumber, s.wbsNoFormat, ","), ",").size());
    const std::int64_t depth = task.level < kMaxOutlineDepth ? task.level : kMaxOutlineDepth;
    task.isLeaf = table.outlineCounters[i + 1][depth] == 0 ? 1 : 0;
    task.dayIndex = ParseLeadingInteger(SplitText(task.wbsNumber, s.wbsNoFormat).front()) + 1 - s.wbsNoBegin;
    task.name = WideString::Copy(names[static_cast<std::size_t>(i * kMaxOutlineDepth + depth - 1)]);
    table.tasks.Add(task.wbsNumber, &task);
  }
  RebuildCodeIndex(table);
}

void RefreshTask(TaskTable& table, TaskRecord& task) {
  const WbsSettings& s = Settings();
  const std::int64_t row = task.row;
  WbsRangeWide(ColumnLetters(task.level + s.taskNameColNo - 1), row, task.name);
  WbsRangeWide(s.taskTypeCol, row, task.taskType);
  WbsRangeWide(s.resourceCol, row, task.resource);
  task.pvText = WbsRangeText(s.pvByTaskCol, row);
  task.acText = WbsRangeText(s.acByTaskCol, row);
  task.plannedStart = WbsRangeNumber(s.plannedStartDateCol, row);
  task.plannedEnd = WbsRangeNumber(s.plannedEndDateCol, row);
  task.actualStart = WbsRangeNumber(s.actualStartDateCol, row);
  task.actualEnd = WbsRangeNumber(s.actualEndDateCol, row);
  task.percentText = WbsRangeText(s.percentCompleteCol, row);
  task.predecessorsText = WbsRangeText(s.predecessorsCol, row);
  if (const CalendarDay* day = CalendarDayAt(task.dayIndex)) {
    MakeAbsolute(task.plannedStart, *day);
    MakeAbsolute(task.plannedEnd, *day);
    MakeAbsolute(task.actualStart, *day);
    MakeAbsolute(task.actualEnd, *day);
  } else {
    // A time of day without a day is no date.
    task.plannedStart = task.plannedEnd = task.actualStart = task.actualEnd = 0.0;
  }
  task.durationText = DurationTextOf(task);
  UpdateTaskCode(table, task);
}

}  // namespace korvat
