#pragma once
// The earned-value report by project: planned value, earned value and actual
// cost of all counted tasks per period (days, weeks or months), their variances
// and indexes, a totals row, the same figures accumulated from the first period
// on in a second table, and two line charts of the accumulated table, on the
// sheet "EVM" + kind + "_" + today. Periods that begin after today keep only
// their planned value. Like the task report it works on the task table as the
// last reading export left it.

#include "automation/automation_object.h"
#include "base/keyed_list.h"
#include "plan/bound_plan.h"
#include "reports/period_keys.h"

#include <cstdint>
#include <string>

namespace korvat {

struct PeriodTotals {
  double plannedValue = 0.0;
  double earnedValue = 0.0;
  double actualCost = 0.0;
};

// What one run carries from collecting to writing; made afresh by every run.
struct ProjectEvmRun {
  std::int64_t kind = 0;
  std::int64_t step = 0;
  double last = 0.0;               // the last date the axis covers
  PeriodKeys periods;
  KeyedList<PeriodTotals> totals;  // by period key, owning
  std::int64_t cumulativeTop = 0;  // first row of the accumulated table
};

// The period axis up to the latest planned end, actual start or actual end, and
// every counted task (a leaf with both planned dates, no crew) added to its
// periods. A task without an actual start takes its planned start as one in its
// record (until its row is read again).
void CollectProjectEvm(BoundPlan& plan, std::int64_t kind, std::int64_t step, ProjectEvmRun& run);
// Adds one task's shares to every period of the run.
void AccumulateTaskPeriods(const BoundPlan& plan, TaskRecord& task, ProjectEvmRun& run);
// The report sheet with both tables and both charts; empties the totals.
void WriteProjectEvm(BoundPlan& plan, ProjectEvmRun& run);

}  // namespace korvat
