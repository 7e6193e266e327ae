#pragma once
// Where a task's bars lie: the time-slot anchors of its four dates on its row
// and the plan and actual bar rectangles spanned between them.

#include "plan/bound_plan.h"

namespace korvat {

// The rectangle from a to b: the smaller left and top (b on a tie), the width
// from a's left to b's right edge, the larger height (a on a tie).
BarRect SpanRect(const BarRect& a, const BarRect& b);

// Fills the six rectangles of the task from its dates. A task without a
// planned end gets a plan bar one minute (less 1.5 points) wide; without an
// actual start the actual bar is the plan bar.
void ComputeBarGeometry(const BoundPlan& plan, TaskRecord& task);

}  // namespace korvat
