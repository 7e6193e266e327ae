#pragma once
// The scheduling pass over the task table.
//
// Each top-level summary task stands for one calendar day (top-level task k for
// day k); in rescheduling mode the unstarted leaf tasks below it are laid one
// after another per resource from the day's window start, in sheet order.
// Dates are written back as times of day.

#include "plan/bound_plan.h"

namespace korvat {

// Finishes one task row whose record holds the row's current cells (numbering,
// leaf formulas, durations, links, colouring, roll-ups). The pass takes it from
// its caller: finishing a row colours it, and colouring is drawing, which sits
// above the planning code.
using RowFinisher = void (*)(BoundPlan& plan, TaskRecord& task);

// One pass over all tasks in sheet order, rescheduling when the WBS settings'
// rescheduleMode is not 0, finishing every row with finishRow. Tells the user
// about leaf tasks without a usable resource and plans over a resource's
// release date.
void ScheduleTasks(BoundPlan& plan, RowFinisher finishRow);

// Leaf tasks only: the planned minutes into the PV cell when both planned
// dates exist; the actual minutes into the AC cell and "100" into the percent
// cell when both actual dates exist. The record takes the written texts.
void WriteDurations(const BoundPlan& plan, TaskRecord& task);

}  // namespace korvat
