#include "editing/date_rules.h"

#include "base/minute_math.h"
#include "editing/time_fraction.h"
#include "base/number_text.h"
#include "editing/unchanged_writes.h"
#include "wbs/wbs_cells.h"

namespace korvat {
namespace {

bool Empty(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  return WbsCellText(plan, row, column).empty();
}

void PercentRule(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t r = task.row;
  const double p = Val(WbsCellText(plan, r, s.percentCompleteColNo));
  if (p >= 100) {
    if (Empty(plan, r, s.actualEndDateColNo))
      WriteNumberIfChanged(plan, r, s.actualEndDateColNo, TimeFraction(task.plannedEnd));
    if (Empty(plan, r, s.actualStartDateColNo))
      WriteNumberIfChanged(plan, r, s.actualStartDateColNo, TimeFraction(task.plannedStart));
    WriteTextIfChanged(plan, r, s.percentCompleteColNo, "100");
  } else if (p > 0) {
    if (Empty(plan, r, s.actualStartDateColNo))
      WriteNumberIfChanged(plan, r, s.actualStartDateColNo, TimeFraction(task.plannedStart));
    WriteTextIfChanged(plan, r, s.actualEndDateColNo, "");
  } else {
    WriteTextIfChanged(plan, r, s.actualStartDateColNo, "");
    WriteTextIfChanged(plan, r, s.actualEndDateColNo, "");
  }
}

void ActualEndRule(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t r = task.row;
  if (!Empty(plan, r, s.actualEndDateColNo)) {
    WriteTextIfChanged(plan, r, s.percentCompleteColNo, "100");
    if (Empty(plan, r, s.actualStartDateColNo))
      WriteNumberIfChanged(plan, r, s.actualStartDateColNo, TimeFraction(task.plannedStart));
  } else if (!Empty(plan, r, s.actualStartDateColNo)) {
    WriteTextIfChanged(plan, r, s.percentCompleteColNo, "20");
  }
}

void ActualStartRule(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t r = task.row;
  if (Empty(plan, r, s.actualStartDateColNo)) {
    WriteTextIfChanged(plan, r, s.actualEndDateColNo, "");
    WriteTextIfChanged(plan, r, s.percentCompleteColNo, "");
  } else if (Empty(plan, r, s.percentCompleteColNo)) {
    WriteTextIfChanged(plan, r, s.percentCompleteColNo, "20");
  }
}

}  // namespace

void ApplyDateRule(const BoundPlan& plan, const TaskRecord& task, std::int64_t column) {
  const WbsSettings& s = plan.wbsSettings;
  if (column < 1) return;
  if (column == s.percentCompleteColNo) PercentRule(plan, task);
  else if (column == s.actualEndDateColNo) ActualEndRule(plan, task);
  else if (column == s.actualStartDateColNo) ActualStartRule(plan, task);
}

}  // namespace korvat
