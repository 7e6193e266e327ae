#include "swept_plan.h"

#include "support/fault_sweep.h"

#include "base/calendar_date.h"
#include "frame/settings_loading.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

const double kMonday = DateFromYmd(2026, 11, 30);
const double kNow = kMonday + 1.5;  // Tuesday noon

// One day of two leaf tasks with loads, one done and one under way, every caption; the
// figures an update would write (planned and actual minutes) are already there, and the
// drawing templates, which no report reads, are left out.
std::unique_ptr<Workbook> SmallPlan() {
  PlanWorkbook book;
  book.ReportCaptions().LoadColumns().Resource("R1", "Anna").Resource("R2", "Ben");
  for (const char* shape : {"GanntBar", "GanntBar100%", "GanntBar%", "GanntBar1", "GanntBar2", "TaskConnector",
                            "ProgressLines", "WSTaskColorStyleDelay", "WSTaskColorStyleEnd", "WSTaskColorStyleStart",
                            "WSDependsCheckError"})
    book.RemoveTemplate(shape);
  book.Day(kMonday, Clock(8, 0), Clock(18, 0));
  book.Task({.level = 1, .name = "Monday"});
  book.Task({.level = 2, .name = "Dig", .resource = "Anna", .pv = "120", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(10, 0), .actualStart = Clock(8, 0), .actualEnd = Clock(10, 30), .percent = "100",
             .ac = "150", .load = "2", .days = "1"});
  book.Task({.level = 2, .name = "Pour", .resource = "Ben", .pv = "240", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(12, 0), .actualStart = Clock(8, 0), .percent = "60", .ac = "200", .load = "4",
             .days = "2"});
  return book.Take();
}

// A session on the plan with its settings and task table read as an update reads them.
}  // namespace

std::unique_ptr<PlanSession> OpenSweptPlan() {
  auto session = std::make_unique<PlanSession>(SmallPlan(), kNow);
  BoundPlan plan = CurrentPlan();
  LoadAllSettings(plan);
  ReadTasks(plan);
  for (TaskRecord* task = FirstTask(plan.taskTable); task; task = NextTask(plan.taskTable, *task)) RefreshTask(plan, *task);
  return session;
}

void SweepReport(const char* name, void (*report)()) {
  SweepHostFaults({.name = name,
                   .open = OpenSweptPlan,
                   .run = [report](PlanSession&) { report(); },
                   .untouched = [](PlanSession& s) {
                     return ContentsOfSheets(s, {"wsWBS", "wsSettings", "wsResource", "wsCalendar", "wsDictionary"});
                   }});
}

}  // namespace korvat::test
