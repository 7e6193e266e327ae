#pragma once
// How much of a task's planned value, earned value and actual cost falls into
// one period [a, b] of the project report. Planned value is spread evenly over
// the days of the task's duration from its planned start; earned value and
// actual cost over the days of its actual span, up to today while it runs.

#include "plan/task_record.h"

namespace korvat {

struct PeriodShare {
  double plannedValue = 0.0;
  double earnedValue = 0.0;
  double actualCost = 0.0;
};

// The task's duration in days for spreading its planned value: the number of
// its duration text, or, when that is below 1 (empty, 0, not a number), the
// days of its planned span, at least 1. Never 0.
double SpreadDays(const TaskRecord& task);

// Days of [max(a, plannedStart), min(b, plannedEnd)] / SpreadDays x budget.
double PeriodPlannedValue(double a, double b, const TaskRecord& task);
// For a started task: ratio = days of the actual span inside [a, b] / days of
// the whole actual span (to the actual end, or to today), held in single
// precision; earned value = percent / 100 x budget x ratio, cost = ratio x
// actual cost. today is the present date (whole days).
PeriodShare PeriodEarnedAndCost(double a, double b, const TaskRecord& task, double today);

}  // namespace korvat
