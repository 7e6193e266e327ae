#pragma once
// Showing a subset of the task rows. The filter setting is the text of cell
// "A500" of the settings sheet: kind + "," + argument. A row set text is ","
// followed by row + "," per shown row; a row is in the set when the text holds
// "," + row + ","; the empty text shows every row.

#include "plan/bound_plan.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

struct FilterSetting {
  std::int64_t kind = 0;  // 0: no filter
  std::string argument;
  std::string wholeText;  // the cell's whole text (the resource kind searches it)
};

FilterSetting ReadFilterSetting(IDispatch* settingsSheet);
// The row set of the tasks that match the current setting, with their
// summaries and linked tasks as the filter options ask.
std::string BuildFilterText(BoundPlan& plan);
// Whether the task matches the filter kind (1 to 13; any other kind never).
bool MatchesFilter(const BoundPlan& plan, const FilterSetting& filter, TaskRecord& task);
// "," then row + "," of every task that names the task of the row as predecessor.
std::string SuccessorRows(const TaskTable& table, std::int64_t row);
// Hides every task row outside the set (shows all for the empty text).
void ApplyFilter(const BoundPlan& plan, std::string_view rows);
// The set of visible task rows, or "" when no task row is hidden.
std::string ReadFilterState(const BoundPlan& plan);

}  // namespace korvat
