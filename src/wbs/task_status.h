#pragma once
// What a task record says about its task: crew codes, completion and start,
// the halves of its planned work, and its earned-value figures. "Now" is the
// library clock's present moment.

namespace korvat {

struct TaskRecord;

// True when the resource text starts with "W" or "M" (a crew: the letter and
// the number after it, 1 when none follows); sets crewKind and crewCount.
bool ParseCrewCode(TaskRecord& task);
// Fills budget, actual cost and the figures at the present moment.
void ComputeEarnedValue(TaskRecord& task);

// Complete: an actual end (which sets percentText to "100" in the record), or
// a percent above 99.
bool IsComplete(TaskRecord& task);
bool IsStarted(const TaskRecord& task);
bool StartedOnPlan(const TaskRecord& task);
bool FinishedOnPlan(const TaskRecord& task);
bool OnPlan(const TaskRecord& task);
bool HasTaskType(const TaskRecord& task);
// Now within the first, respectively the last, half of the planned minutes.
bool InFirstHalf(const TaskRecord& task);
bool InSecondHalf(const TaskRecord& task);
// After ComputeEarnedValue: schedule variance below 0.
bool IsBehindSchedule(const TaskRecord& task);

}  // namespace korvat
