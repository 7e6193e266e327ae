#include "reports/period_earned_value.h"

#include "base/day_counting.h"
#include "base/number_text.h"
#include "wbs/task_duration.h"

#include <algorithm>
#include <cmath>

namespace korvat {

double SpreadDays(const TaskRecord& task) {
  const double dur = Val(task.durationText);
  if (dur >= 1.0) return dur;
  const std::int64_t span = PlannedSpanDays(task);
  return span < 1 ? 1.0 : static_cast<double>(span);
}

double PeriodPlannedValue(double a, double b, const TaskRecord& task) {
  const double from = std::max(a, task.plannedStart), to = std::min(b, task.plannedEnd);
  const auto days = static_cast<double>(CountDaysInclusive(from, to));
  return days / SpreadDays(task) * Val(task.pvText);
}

PeriodShare PeriodEarnedAndCost(double a, double b, const TaskRecord& task, double today) {
  const double endRef = task.actualEnd != 0.0 ? task.actualEnd : today;
  const std::int64_t total = CountDaysInclusive(task.actualStart, endRef);
  const std::int64_t part = CountDaysInclusive(std::max(a, task.actualStart), std::min(b, endRef));
  const float ratio = total == 0 ? 0.0f : static_cast<float>(static_cast<double>(part) / static_cast<double>(total));
  PeriodShare share;
  share.earnedValue = Val(task.percentText) / 100.0 * Val(task.pvText) * ratio;
  share.actualCost = ratio * Val(task.acText);
  return share;
}

}  // namespace korvat
