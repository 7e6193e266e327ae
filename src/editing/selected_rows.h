#pragma once
// The rows the user has selected on the WBS sheet, as the row operations read
// them from the host's selection.

#include "plan/bound_plan.h"
#include "platform/com.h"

#include <cstdint>
#include <optional>

namespace korvat {

struct SelectedRows {
  std::int64_t first = 0;  // the row of the selection's first cell
  std::int64_t count = 0;  // its rows, rounded to a whole number
  std::int64_t Last() const { return first + count - 1; }
};

// The selection's rows, or nothing when there is no selection, it lies on
// another sheet than the WBS sheet, or it reaches below the table's last task
// row (a whole-sheet or whole-column selection): the row operations would move
// or rewrite rows outside the task table.
std::optional<SelectedRows> ReadSelectedRows(const BoundPlan& plan);

// True when the range lies on the plan's WBS sheet.
bool OnWbsSheet(const BoundPlan& plan, IDispatch* range);

}  // namespace korvat
