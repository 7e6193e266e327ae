#include "wbs/task_scheduling.h"

#include "automation/call_phase.h"
#include "automation/message_box.h"
#include "calendar/calendar_days.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "wbs/resource_list.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "wbs/task_status.h"
#include "wbs/wbs_cells.h"

namespace korvat {
namespace {

WideText Wide(std::string_view text) { return platform::AnsiToWide(text); }

void Tell(const WideText& text, unsigned flags) { ShowMessageBox(nullptr, text.c_str(), KV_W("Korvatplan"), flags); }

// The time of day in whole seconds, as the minute arithmetic keeps it: taking
// the fraction of an absolute date-time would carry its rounding into the cell.
void WriteTimeOfDay(const BoundPlan& plan, std::int64_t row, std::int64_t column, double value) {
  const TimeParts t = TimePartsOf(value);
  const std::int64_t seconds = (t.hours * 3600 + t.minutes * 60 + t.seconds) % 86400;
  WriteWbsCell(plan, row, column, FormatDouble(static_cast<double>(seconds) / 86400.0));
}

// State of one pass: the plan it works on and the current day.
struct Pass {
  BoundPlan& plan;
  const CalendarDay* day = nullptr;
};

void WritePlan(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  WriteTimeOfDay(plan, task.row, s.plannedStartDateColNo, task.plannedStart);
  WriteTimeOfDay(plan, task.row, s.plannedEndDateColNo, task.plannedEnd);
}

// One cause with the drawing's refusal of a calendar without days: told once an export.
void TellNoDay(Pass& pass) {
  pass.plan.notices.Tell(
      "no calendar day", "Some tasks have no day of the 'Calendar' sheet to be planned on; their plan was left as it is.");
}

// Lays an unstarted task after its resource's previous task of the day, or
// records where a started task leaves the resource. True when the record may
// now differ from its row (a plan written, or completion marked in the record).
bool PlaceTask(Pass& pass, TaskRecord& task, ResourceRecord& resource, double minutes) {
  if (IsStarted(task)) {
    resource.nextFree = IsComplete(task) ? task.actualEnd : task.plannedEnd;
    return true;
  }
  if (resource.nextFree == 0.0) {
    if (task.plannedStart != 0.0) {
      resource.nextFree = task.plannedEnd;
      return false;
    }
    if (!pass.day) {
      TellNoDay(pass);
      return false;
    }
    task.plannedStart = pass.day->windowStart;
  } else {
    task.plannedStart = resource.nextFree;
  }
  task.plannedEnd = AddMinutes(task.plannedStart, minutes);
  WritePlan(pass.plan, task);
  resource.nextFree = task.plannedEnd;
  return true;
}

void CheckRelease(const TaskRecord& task, const ResourceRecord& resource) {
  if (resource.releaseDate == 0.0 || !(resource.releaseDate < task.plannedEnd)) return;
  Tell(Wide("Attention: Plan of task '" + task.wbsNumber) + WideText(task.name.View()) + Wide("' is over ") +
           WideText(task.resource.View()) + Wide("'s release date."),
       48);
}

void TellMissingResource(TaskRecord& task) {
  if (ParseCrewCode(task)) return;
  if (!task.resource.IsEmpty())
    Tell(Wide("Can not get ") + WideText(task.resource.View()) + Wide("'s information from 'Resources' sheet."), 48);
  else
    Tell(Wide("Please specify resource for task '" + task.wbsNumber) + WideText(task.name.View()) + Wide("'"), 64);
}

void ScheduleLeaf(Pass& pass, TaskRecord& task) {
  ResourceRecord* resource = FindResource(pass.plan.resources, task.resource.View());
  if (!resource) {
    TellMissingResource(task);
    return;
  }
  const double minutes = Val(task.pvText);
  if (minutes > 0 && pass.plan.wbsSettings.rescheduleMode != 0 && PlaceTask(pass, task, *resource, minutes))
    RefreshTask(pass.plan, task);
  CheckRelease(task, *resource);
}

}  // namespace

void WriteDurations(const BoundPlan& plan, TaskRecord& task) {
  if (task.isLeaf != 1) return;
  const WbsSettings& s = plan.wbsSettings;
  // The record keeps what the row now holds, so figures computed from it
  // before the next refresh see the same minutes and percent as the sheet.
  if (task.plannedStart != 0.0 && task.plannedEnd != 0.0) {
    task.pvText = FormatInteger(MinutesBetween(task.plannedStart, task.plannedEnd));
    WriteWbsCell(plan, task.row, s.pvByTaskColNo, task.pvText);
  }
  if (task.actualStart != 0.0 && task.actualEnd != 0.0) {
    task.acText = FormatInteger(MinutesBetween(task.actualStart, task.actualEnd));
    WriteWbsCell(plan, task.row, s.acByTaskColNo, task.acText);
    task.percentText = "100";
    WriteWbsCell(plan, task.row, s.percentCompleteColNo, task.percentText);
  }
}

void ScheduleTasks(BoundPlan& plan, RowFinisher finishRow) {
  const CallPhase phase("scheduling");
  Pass pass{plan};
  const TaskTable& table = plan.taskTable;
  for (TaskRecord* task = FirstTask(table); task; task = NextTask(table, *task)) {
    RefreshTask(plan, *task);
    if (task->level == 1 && task->isLeaf == 0 && task->dayIndex <= CalendarDayCount(plan.calendarDays)) {
      pass.day = CalendarDayAt(plan.calendarDays, task->dayIndex);
      LoadResources(plan);
    }
    // The record is current here: the pass re-reads a row whenever it wrote to it.
    if (task->isLeaf == 1) ScheduleLeaf(pass, *task);
    finishRow(plan, *task);
  }
}

}  // namespace korvat
