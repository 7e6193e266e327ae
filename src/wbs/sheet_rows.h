#pragma once
// Small operations on whole rows of the WBS sheet.

#include "plan/bound_plan.h"
#include "platform/com.h"

#include <cstdint>

namespace korvat {

// ".Rows(%d).EntireRow.Hidden=%b".
void SetRowHidden(IDispatch* wbsSheet, std::int64_t row, bool hidden);
bool IsRowHidden(IDispatch* wbsSheet, std::int64_t row);
// A new empty row below the cell's row, carrying the row's formatting, with
// the cursor in it.
void InsertRowBelow(const BoundPlan& plan, IDispatch* cell);
// Deletes the status marker shape "TaskStatus" + row when there is one.
void DeleteStatusShape(IDispatch* wbsSheet, std::int64_t row);
// Clears the task table's cells of the row and its status marker.
void ClearRow(const BoundPlan& plan, std::int64_t row);

}  // namespace korvat
