#pragma once
// The WBS sheet's Change event: keeping the task list consistent while the
// user types.

#include "editing/event_nesting.h"
#include "plan/bound_plan.h"
#include "platform/com.h"

namespace korvat {

// Reacts to a change of the target range (borrowed from the event): whole rows
// inserted or deleted, cells of a task edited, task rows emptied, a task row
// added. Nothing happens with auto update off, below the table, or for a range
// of another sheet.
void OnSheetChange(BoundPlan& plan, IDispatch* target, EventNesting& nesting);

}  // namespace korvat
