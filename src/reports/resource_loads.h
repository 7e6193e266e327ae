#pragma once
// The loads of the workload report, collected from the WBS sheet's cells: each
// task row names up to resourceColumnCount resources in its resource block, each
// with a load in the parallel load block ("WSLoadBlockCol"); a resource's load on
// a task is spread evenly over the task's days ("WSDayCountCol") from its planned
// start day.

#include "automation/wide_string.h"
#include "base/keyed_list.h"
#include "plan/bound_plan.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvat {

struct DayLoad {
  double load = 0.0;  // summed over the tasks of the day
};

// One resource of the report: its id as the sheet wrote it and its loads by
// "yyyy/mm/dd" day key. Owns both.
struct ResourceLoad {
  WideString id;
  KeyedList<DayLoad> days;
};

// The resources in order of first appearance, keyed by the HexKey of their id
// (ids that differ only in case are two resources); owning.
using ResourceLoads = KeyedList<ResourceLoad>;

// The days the report can show, from the first to the last; loads on other days
// would appear in no column and are not kept.
struct ShownDays {
  double first = 0.0;
  double last = 0.0;
};

// Every leaf task row with planned work above 0, both planned dates and no crew,
// from the first task row to the first row without a task.
void CollectResourceLoads(const BoundPlan& plan, const ShownDays& shown, ResourceLoads& loads);
// The resource slots of one task row: a slot with an id and a load spreads it.
void AddTaskRowLoads(const BoundPlan& plan, std::int64_t row, const ShownDays& shown, ResourceLoads& loads);
// load / days added to each of the days from start (start + k - 1, k = 1 ...
// days) that falls within the shown days. The resource is listed even when
// nothing is added (days below 1).
void SpreadLoad(WideView id, double load, std::int64_t days, double start, const ShownDays& shown,
                ResourceLoads& loads);

}  // namespace korvat
