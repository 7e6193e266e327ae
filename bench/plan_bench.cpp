// kvUpdateWBS and the rescheduling pass on generated plans of 1,000 and 10,000
// tasks over 100 days (the shared generated plan), in the headless host: time and host calls per task, and
// the cost of the larger plan against the smaller one (at most 12 times).

#include "automation/message_box.h"
#include "frame/addin_state.h"
#include "base/clock.h"
#include "frame/settings_loading.h"
#include "host/automation/workbook_host.h"
#include "gantt/row_finishing.h"
#include "support/plan_workbook.h"
#include "korvat/korvat.h"
#include "wbs/resource_list.h"
#include "wbs/task_scheduling.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr double kNow = 46363.0 + 0.25;  // the first generated day, 06:00

struct Measurement {
  double seconds = 0;
  std::int64_t calls = 0;
  std::int64_t live = 0;
};

template <typename Work>
Measurement Run(int tasks, Work work) {
  korvat::host::WorkbookHost host(korvat::test::GeneratePlan({.tasks = tasks, .days = 100}));
  korvat::SetFixedNow(kNow);
  const korvat::MessageSink previous = korvat::SetMessageSink([](const korvat::MessageBoxRequest&) { return 1; });
  kvInit();
  korvat::ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvSetWorkBook(&book);
  host.ResetCounters();
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto end = std::chrono::steady_clock::now();
  Measurement m;
  m.seconds = std::chrono::duration<double>(end - start).count();
  m.calls = host.TotalCalls();
  kvQuit();
  workbook.Reset();
  korvat::SetMessageSink(previous);
  m.live = host.LiveObjects();
  return m;
}

// The rescheduling pass alone, without the chart kvWBSReschedule draws after it.
void Reschedule() {
  using namespace korvat;
  PlanNotices notices;
  BoundPlan plan = *BoundPlanOf(State(), notices);
  LoadAllSettings(plan);
  LoadResources(plan);
  plan.wbsSettings.rescheduleMode = 1;
  ReadTasks(plan);
  ScheduleTasks(plan, FinishRefreshedTaskRow);
  plan.wbsSettings.rescheduleMode = 0;
}

// The fastest of a few runs: the machine is shared, and a slow run says more
// about the neighbours than about the code.
Measurement Best(int tasks, void (*work)(), int runs) {
  Measurement best = Run(tasks, work);
  for (int i = 1; i < runs; ++i) {
    const Measurement m = Run(tasks, work);
    if (m.seconds < best.seconds) best.seconds = m.seconds;
    best.live += m.live;
  }
  return best;
}

bool Report(const char* name, void (*work)()) {
  const Measurement small = Best(1000, work, 5);
  const Measurement large = Best(10000, work, 3);
  const double ratio = large.seconds / small.seconds;
  std::printf("%-16s 1,000 tasks: %8.3f s %7.1f calls/task | 10,000 tasks: %8.3f s %7.1f calls/task | ratio %.2f%s\n",
              name, small.seconds, small.calls / 1000.0, large.seconds, large.calls / 10000.0, ratio,
              (small.live || large.live) ? " | references left!" : "");
  return ratio <= 12.0 && small.live == 0 && large.live == 0;
}

}  // namespace

// "plan_bench update|reschedule|none TASKS" runs one plan once, for profilers.
int main(int argc, char** argv) {
  if (argc == 3) {
    const std::string what = argv[1];
    void (*work)() = what == "update" ? +[] { kvUpdateWBS(); } : what == "reschedule" ? Reschedule : +[] {};
    const Measurement m = Run(std::atoi(argv[2]), work);
    std::printf("%s %s: %.3f s, %lld host calls\n", argv[1], argv[2], m.seconds, static_cast<long long>(m.calls));
    return m.live == 0 ? 0 : 1;
  }
  const bool update = Report("kvUpdateWBS", [] { kvUpdateWBS(); });
  const bool reschedule = Report("ScheduleTasks/1", Reschedule);
  return update && reschedule ? 0 : 1;
}
