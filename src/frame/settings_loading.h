#pragma once
// Loading the settings of the settings sheet into the plan's records.

#include "plan/bound_plan.h"

namespace korvat {

// Reads every WS* setting, recomputes the derived fields (column numbers, the
// timeline frame, the last table row) and loads the calendar days. Sets
// rescheduleMode to 0; savedFilter is kept. Uses the calendar unit loaded before.
void LoadWbsSettings(BoundPlan& plan);

// Calendar settings, WBS settings, the Gantt templates, then the calendar days,
// in this order.
void LoadAllSettings(BoundPlan& plan);

}  // namespace korvat
