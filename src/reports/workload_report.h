#pragma once
// The workload report: one row per resource, one column per period (days, weeks
// or months), the load summed per period, a totals row and a line chart with one
// line per resource, on the sheet "Workload" + kind.

#include "plan/bound_plan.h"
#include "reports/period_keys.h"
#include "reports/resource_loads.h"

#include <cstdint>

namespace korvat {

// What one run carries from collecting to writing.
struct WorkloadRun {
  std::int64_t kind = 0;
  double last = 0.0;  // the latest planned end
  PeriodKeys periods;
  ResourceLoads loads;
};

// The period axis up to the latest planned end, and the loads of every counted
// task row on the days it covers.
void CollectWorkload(BoundPlan& plan, std::int64_t kind, std::int64_t step, WorkloadRun& run);
// The report sheet, its totals, frames and chart; empties the loads.
void WriteWorkloadReport(BoundPlan& plan, WorkloadRun& run);

// The summed load of a resource over one period [a, b): the days from a, a + 1,
// ... while before b.
double PeriodLoad(const ResourceLoad& resource, double a, double b);

}  // namespace korvat
