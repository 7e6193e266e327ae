#include "editing/selected_rows.h"

#include "automation/host_object.h"

#include <cmath>

namespace korvat {

bool OnWbsSheet(const BoundPlan& plan, IDispatch* range) {
  if (!range || !plan.wbsSheet) return false;
  const AutomationObject sheet = GetObjectAt(range, "Worksheet");
  if (sheet.IsEmpty()) return false;
  const std::string name = GetName(sheet.Get());
  return !name.empty() && name == GetName(plan.wbsSheet);
}

std::optional<SelectedRows> ReadSelectedRows(const BoundPlan& plan) {
  const AutomationObject selection = GetObjectAt(plan.workbook, "Application.Selection");
  if (selection.IsEmpty() || !OnWbsSheet(plan, selection.Get())) return std::nullopt;
  SelectedRows rows;
  rows.count = static_cast<std::int64_t>(std::nearbyint(GetNumber(selection.Get(), "Rows.Count")));
  {
    const AutomationObject firstCell = CellsItem(selection.Get(), 1);
    rows.first = GetRow(firstCell.Get());
  }
  if (rows.first < 1 || rows.count < 1) return std::nullopt;
  const TaskTable& table = plan.taskTable;
  const std::int64_t lastTaskRow = table.firstRow + table.taskCount - 1;
  if (rows.Last() > lastTaskRow) return std::nullopt;
  return rows;
}

}  // namespace korvat
