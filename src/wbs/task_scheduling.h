#pragma once
// The scheduling pass over the task table and the finishing of task rows.
//
// Each top-level summary task stands for one calendar day (top-level task k for
// day k); in rescheduling mode the unstarted leaf tasks below it are laid one
// after another per resource from the day's window start, in sheet order.
// Dates are written back as times of day.

namespace korvat {

struct TaskTable;
struct TaskRecord;

// One pass over all tasks in sheet order; rescheduling when the WBS settings'
// rescheduleMode is not 0. Tells the user about leaf tasks without a usable
// resource and plans over a resource's release date.
void ScheduleTasks(TaskTable& table);

// Refreshes the task, writes its WBS number, turns leaf formulas into values,
// writes the durations, checks its links and colours the row by status; for a
// top-level summary task it writes the roll-up formulas of its subtree.
void FinishTaskRow(TaskTable& table, TaskRecord& task);

// Leaf tasks only: the planned minutes into the PV cell when both planned
// dates exist; the actual minutes into the AC cell and "100" into the percent
// cell when both actual dates exist. The record takes the written texts.
void WriteDurations(TaskRecord& task);

}  // namespace korvat
