#include "wbs/row_filter.h"

#include "automation/host_object.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "plan/setting_cell.h"
#include "base/text_helpers.h"
#include "wbs/sheet_rows.h"
#include "wbs/task_status.h"
#include "wbs/task_lookup.h"
#include "wbs/wbs_cells.h"

#include <unordered_map>
#include <vector>

namespace korvat {
namespace {

std::string Wrapped(std::int64_t row) { return "," + FormatInteger(row) + ","; }

// A predecessor list as the filter reads it: upper-cased, "S" and "F" removed.
std::string LinkCodes(std::string_view predecessors) {
  return RemoveChar(RemoveChar(UpperText(predecessors), 'S'), 'F');
}

bool NamesListedResource(const BoundPlan& plan, const FilterSetting& filter, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  for (std::int64_t column = s.resourceColNo; column < s.pvByTaskColNo; ++column) {
    const std::string text = WbsCellText(plan, task.row, column);
    if (!text.empty() && filter.wholeText.find("," + text + ",") != std::string::npos) return true;
  }
  return false;
}

bool InRange(double x, double from, double to) {
  if (x == 0.0) return false;
  if (from == 0.0) return x <= to;
  if (to == 0.0) return x >= from;
  return from <= x && x <= to;
}

bool InDateRange(const BoundPlan& plan, const FilterSetting& filter, const TaskRecord& task) {
  const std::vector<std::string> p = SplitText(filter.argument, ",");
  if (p.size() < 3) return false;  // no bounds to test against
  const double from = Val(p[1]), to = Val(p[2]);
  if (!IsPlainNumber(p[0])) {
    const std::string letters = ReadSettingText(plan.settingsSheet, "WS" + p[0] + "Col");
    if (letters.empty()) return false;
    return InRange(WbsRangeNumber(plan, letters, task.row), from, to);
  }
  if (p[0] == "1") {
    if (task.plannedStart == 0.0 || task.plannedEnd == 0.0) return false;
    return task.plannedStart <= to && task.plannedEnd >= from;
  }
  if (p[0] == "2") {
    if (task.actualStart == 0.0) return false;
    if (task.actualEnd == 0.0) return from <= task.actualStart && task.actualStart <= to;
    return task.actualStart <= to && task.actualEnd >= from;
  }
  return false;
}

// Successor rows per code, built once per filter text so that each matching
// task finds its successors without a pass over the table.
class SuccessorIndex {
 public:
  explicit SuccessorIndex(const TaskTable& table) : table_(table) {
    for (std::int64_t i = 1; i <= table.taskCount; ++i) {
      const TaskRecord& t = *table.tasks.ItemAt(i);
      std::vector<std::string> codes = SplitText(LinkCodes(t.predecessorsText), ",");
      for (std::size_t k = 0; k < codes.size(); ++k) {
        bool seen = false;
        for (std::size_t m = 0; m < k && !seen; ++m) seen = codes[m] == codes[k];
        if (!seen) rowsByCode_[codes[k]].push_back(t.row);
      }
    }
  }

  std::string RowsOf(std::int64_t row) const {
    const TaskRecord* task = TaskAtRow(table_, row);
    if (!task) return SuccessorRows(table_, row);
    const std::string code = TaskCode(*task);
    // A code with "," in it could match across entries: the plain scan decides.
    if (code.find(',') != std::string::npos) return SuccessorRows(table_, row);
    std::string rows = ",";
    const auto found = rowsByCode_.find(code);
    if (found != rowsByCode_.end())
      for (std::int64_t r : found->second) rows += FormatInteger(r) + ",";
    return rows;
  }

 private:
  const TaskTable& table_;
  std::unordered_map<std::string, std::vector<std::int64_t>> rowsByCode_;
};

}  // namespace

FilterSetting ReadFilterSetting(IDispatch* settingsSheet) {
  FilterSetting filter;
  const AutomationObject cell = RangeAt(settingsSheet, "A500");
  filter.wholeText = GetValueText(cell.Get());
  const std::size_t comma = filter.wholeText.find(',');
  if (comma == std::string::npos) return filter;
  filter.kind = ParseLeadingInteger(std::string_view(filter.wholeText).substr(0, comma));
  filter.argument = filter.wholeText.substr(comma + 1);
  return filter;
}

bool MatchesFilter(const BoundPlan& plan, const FilterSetting& filter, TaskRecord& task) {
  ComputeEarnedValue(task);
  if (filter.kind == 6) return task.level == 1 || (filter.argument != "1" && task.isLeaf == 0);
  if (task.isLeaf == 0) return false;
  switch (filter.kind) {
    case 1: return NamesListedResource(plan, filter, task);
    case 2: return InDateRange(plan, filter, task);
    case 3: return HasTaskType(task) && !ParseCrewCode(task);
    case 4: return !IsComplete(task) && task.plannedValue != 0.0;
    case 5: return IsComplete(task);
    case 7: return !task.predecessorsText.empty();
    case 8: return task.costIndex != 0.0 && task.costIndex < 1.0;
    case 9:
      return (task.scheduleIndex > 1.0 && task.plannedValue != 0.0) ||
             (task.earnedValue > 0.0 && task.plannedValue == 0.0);
    case 10: return task.scheduleIndex < 1.0 && task.plannedValue != 0.0;
    case 11: return InFirstHalf(task);
    case 12: return InSecondHalf(task);
    case 13: return ParseCrewCode(task);
    default: return false;
  }
}

std::string SuccessorRows(const TaskTable& table, std::int64_t row) {
  std::string rows = ",";
  const TaskRecord* task = TaskAtRow(table, row);
  const std::string wanted = "," + (task ? TaskCode(*task) : std::string()) + ",";
  for (std::int64_t i = 1; i <= table.taskCount; ++i) {
    const TaskRecord& t = *table.tasks.ItemAt(i);
    if (("," + LinkCodes(t.predecessorsText) + ",").find(wanted) != std::string::npos)
      rows += FormatInteger(t.row) + ",";
  }
  return rows;
}

std::string BuildFilterText(BoundPlan& plan) {
  const FilterSetting filter = ReadFilterSetting(plan.settingsSheet);
  if (filter.kind == 0) return {};
  const WbsSettings& s = plan.wbsSettings;
  const TaskTable& table = plan.taskTable;
  const bool withSummary = s.filterOptionShowSummary == 1;
  const bool withLinks = s.filterOptionShowDependence == 1;
  const SuccessorIndex successors(table);
  std::string rows = ",";
  for (std::int64_t i = 1; i <= table.taskCount; ++i) {
    TaskRecord& task = *table.tasks.ItemAt(i);
    if (!MatchesFilter(plan, filter, task)) continue;
    rows += FormatInteger(task.row) + ",";
    if (filter.kind != 6 && withSummary) rows += AncestorRows(plan, task.row);
    if (!withLinks) continue;
    rows += successors.RowsOf(task.row);
    if (TrimRight(task.predecessorsText).empty()) continue;
    for (const std::string& part : SplitText(UpperText(task.predecessorsText), ",")) {
      const TaskRecord* linked = FindTask(table, RemoveChar(RemoveChar(part, 'S'), 'F'));
      if (!linked) continue;
      rows += FormatInteger(linked->row) + ",";
      if (withSummary) rows += AncestorRows(plan, linked->row);
    }
  }
  return rows;
}

void ApplyFilter(const BoundPlan& plan, std::string_view rows) {
  const TaskRecord* last = LastTask(plan.taskTable);
  if (!last) return;
  for (std::int64_t row = plan.wbsSettings.firstTaskRow; row <= last->row; ++row)
    SetRowHidden(plan.wbsSheet, row, !rows.empty() && rows.find(Wrapped(row)) == std::string_view::npos);
}

std::string ReadFilterState(const BoundPlan& plan) {
  const TaskTable& table = plan.taskTable;
  if (table.taskCount == 0) return {};
  const TaskRecord* last = LastTask(table);
  std::string rows;
  bool anyHidden = false;
  for (std::int64_t row = plan.wbsSettings.firstTaskRow; last && row <= last->row; ++row) {
    if (IsRowHidden(plan.wbsSheet, row))
      anyHidden = true;
    else
      rows += Wrapped(row);
  }
  return anyHidden ? rows : std::string();
}

}  // namespace korvat
