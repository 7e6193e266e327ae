#include "wbs/task_status.h"

#include "base/clock.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "plan/task_record.h"

#include <cmath>

namespace korvat {
namespace {

std::int64_t Percent(const TaskRecord& task) { return ParseLeadingInteger(task.percentText); }

double HalfWork(const TaskRecord& task) { return std::trunc(Val(task.pvText) / 2.0); }

}  // namespace

bool ParseCrewCode(TaskRecord& task) {
  const WideView text = task.resource.View();
  if (!text.empty() && (text[0] == KV_W('W') || text[0] == KV_W('M'))) {
    task.crewKind = text[0] == KV_W('W') ? "W" : "M";
    task.crewCount = text.size() > 1 ? ParseLeadingInteger(platform::WideToAnsi(text.substr(1))) : 1;
    return true;
  }
  task.crewKind.clear();
  task.crewCount = 1;
  return false;
}

void ComputeEarnedValue(TaskRecord& t) {
  t.budget = Val(t.pvText);
  t.actualCost = Val(t.acText);
  t.plannedValue = t.earnedValue = t.costVariance = t.scheduleVariance = 0.0;
  t.costIndex = t.scheduleIndex = t.estimateAtCompletion = t.estimateToComplete = 0.0;
  const double now = Now();
  if (now < t.plannedStart) return;
  t.plannedValue = t.plannedEnd > now ? static_cast<double>(MinutesBetween(t.plannedStart, now)) : t.budget;
  t.earnedValue = static_cast<double>(Percent(t)) * t.budget / 100.0;
  t.costVariance = t.earnedValue - t.actualCost;
  t.scheduleVariance = t.earnedValue - t.plannedValue;
  if (t.actualCost != 0.0) t.costIndex = t.earnedValue / t.actualCost;
  if (t.plannedValue != 0.0) t.scheduleIndex = t.earnedValue / t.plannedValue;
  if (t.costIndex != 0.0) t.estimateAtCompletion = t.actualCost + (t.budget - t.earnedValue) / t.costIndex;
  t.estimateToComplete = t.estimateAtCompletion - t.actualCost;
}

bool IsComplete(TaskRecord& task) {
  if (task.actualEnd == 0.0) return Percent(task) > 99;
  task.percentText = "100";
  return true;
}

bool IsStarted(const TaskRecord& task) { return Percent(task) > 0 || task.actualStart != 0.0; }
bool StartedOnPlan(const TaskRecord& task) { return task.actualStart == 0.0 || task.actualStart == task.plannedStart; }
bool FinishedOnPlan(const TaskRecord& task) { return task.actualEnd == 0.0 || task.actualEnd == task.plannedEnd; }
bool OnPlan(const TaskRecord& task) { return StartedOnPlan(task) && FinishedOnPlan(task); }
bool HasTaskType(const TaskRecord& task) { return !task.taskType.IsEmpty(); }

bool InFirstHalf(const TaskRecord& task) {
  const double now = Now();
  return task.plannedStart <= now && now < AddMinutes(task.plannedStart, HalfWork(task));
}

bool InSecondHalf(const TaskRecord& task) {
  const double now = Now();
  return AddMinutes(task.plannedEnd, -HalfWork(task)) <= now && now < task.plannedEnd;
}

bool IsBehindSchedule(const TaskRecord& task) { return task.scheduleVariance < 0.0; }

}  // namespace korvat
