#pragma once
// The plan the library is bound to: the caller's workbook and its WBS, settings
// and resources sheets, the records the settings load fills (WBS settings,
// calendar settings, Gantt templates), the calendar days, the resources and the
// task table.
//
// Every operation below the exports receives the plan (or the parts it needs) as
// an argument; only the exports reach the process-wide state, and build a plan
// from it once per call. A plan refers to what it names and owns none of it: the
// sheets stay bound and the records alive for the whole call. A sheet event may
// arrive while an export runs (a write of the library raises Change on the same
// thread), so an operation that hands the plan on must expect the task table to
// have been read again when the call returns.

#include "plan/calendar_day.h"
#include "plan/calendar_settings.h"
#include "plan/gantt_templates.h"
#include "plan/plan_notices.h"
#include "plan/resource_record.h"
#include "plan/task_table.h"
#include "plan/wbs_settings.h"
#include "platform/com.h"

namespace korvat {

struct BoundPlan {
  IDispatch* workbook = nullptr;  // borrowed from the macro that bound it
  IDispatch* wbsSheet = nullptr;
  IDispatch* settingsSheet = nullptr;
  IDispatch* resourceSheet = nullptr;
  WbsSettings& wbsSettings;
  CalendarSettings& calendarSettings;
  GanttTemplates& ganttTemplates;
  CalendarDays& calendarDays;
  ResourceList& resources;
  TaskTable& taskTable;
  PlanNotices& notices;  // what this export has told the user about the plan
};

}  // namespace korvat
