#pragma once
// The WBS sheet's SelectionChange event: a span selected in the timeline on a
// task row becomes the task's planned start and end.

#include "editing/event_nesting.h"
#include "plan/bound_plan.h"
#include "platform/com.h"

namespace korvat {

// Nothing happens for a selection left of the timeline, off the task rows, or
// on another sheet.
void OnSelectionChange(BoundPlan& plan, IDispatch* selection, EventNesting& nesting);

}  // namespace korvat
