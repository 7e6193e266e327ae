#include "wbs/task_duration.h"

#include "base/day_counting.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "wbs/wbs_cells.h"

namespace korvat {

std::int64_t PlannedSpanDays(const TaskRecord& task) {
  if (task.plannedStart == 0.0 || task.plannedEnd == 0.0) return 0;
  const std::int64_t days =
      CountDaysInclusive(WholeDays(task.plannedStart + kTimeGuard), WholeDays(task.plannedEnd - kTimeGuard));
  return days < 1 ? 1 : days;
}

std::string DurationTextOf(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  if (s.durationColNo > 0) return WbsRangeText(plan, s.durationColText, task.row);
  const std::int64_t days = PlannedSpanDays(task);
  return days == 0 ? std::string() : FormatInteger(days);
}

}  // namespace korvat
