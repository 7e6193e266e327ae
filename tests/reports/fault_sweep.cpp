#include "fault_sweep.h"

#include "base/calendar_date.h"
#include "frame/settings_loading.h"
#include "host/file/workbook_file.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <gtest/gtest.h>

#include <cstdio>

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

namespace {

std::int64_t CallsOf(const Export& e) {
  const auto s = OpenSweptPlan();
  s->Host().ResetCounters();
  e.run();
  const std::int64_t calls = s->Host().TotalCalls();
  EXPECT_EQ(s->Close(), 0) << e.name;
  return calls;
}

}  // namespace

void SweepHostFaults(const Export& e) {
  const std::int64_t calls = CallsOf(e);
  ASSERT_GT(calls, 100) << e.name;
  // Every call up to 3,000; beyond that every stride-th, so a sweep stays near 3,000 runs.
  const std::int64_t stride = calls <= 3000 ? 1 : calls / 3000 + 1;
  const host::FaultKind kinds[] = {host::FaultKind::Exception, host::FaultKind::MemberNotFound,
                                   host::FaultKind::OutOfMemory};
  int runs = 0;
  for (std::int64_t k = 1; k <= calls; k += stride, ++runs) {
    const auto s = OpenSweptPlan();
    s->Host().ResetCounters();
    s->Host().FailCall(k, kinds[k % 3]);
    e.run();
    s->Host().ClearFaults();
    ASSERT_EQ(s->Close(), 0) << e.name << " failing call " << k;
    const std::string text = SavedText(*s);
    const host::file::LoadResult loaded = host::file::LoadWorkbookFromText(text);
    ASSERT_TRUE(loaded.ok()) << e.name << " failing call " << k << ": " << loaded.error;
    ASSERT_EQ(host::file::WorkbookToText(*loaded.workbook), text) << e.name << " failing call " << k;
  }
  std::printf("%s: %d runs, one per host call of %lld (stride %lld)\n", e.name, runs, static_cast<long long>(calls),
              static_cast<long long>(stride));
}

}  // namespace korvat::test
