// kvWBSReschedule (schedule and full redraw) on generated plans of 1,000 and
// 10,000 tasks: time, host calls per task and shapes per task. The larger run
// must cost at most 12 times the smaller one.
//
// Plans: one top-level task per calendar day (08:00 to 18:00) with 99 leaf
// tasks of 5 minutes over two resources, each leaf linked to the one before it,
// every seventh under way.

#include "support/plan_workbook.h"
#include "host/automation/workbook_host.h"
#include "host/model/worksheet.h"
#include "automation/message_box.h"
#include "base/clock.h"
#include "korvat/korvat.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using korvat::test::Clock;

struct Run {
  double seconds = 0;
  double callsPerTask = 0;
  double shapesPerTask = 0;
  long long live = 0;
  std::vector<std::pair<long long, std::string>> busiest;  // host calls by member, most first
};

Run Measure(int tasks) {
  korvat::host::WorkbookHost host(korvat::test::GeneratePlan({.tasks = tasks}));
  korvat::SetMessageSink([](const korvat::MessageBoxRequest&) { return 1; });
  korvat::SetFixedNow(46363.0 + Clock(12, 0));
  kvInit();
  korvat::ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvSetWorkBook(&book);
  host.ResetCounters();
  const auto start = std::chrono::steady_clock::now();
  kvWBSReschedule();
  const auto end = std::chrono::steady_clock::now();
  Run run;
  run.seconds = std::chrono::duration<double>(end - start).count();
  run.callsPerTask = static_cast<double>(host.TotalCalls()) / tasks;
  run.shapesPerTask = static_cast<double>(host.Model().FindWorksheet("WBS")->Shapes().Count()) / tasks;
  for (const auto& [member, calls] : host.CallsByMember()) run.busiest.push_back({calls, member});
  std::sort(run.busiest.rbegin(), run.busiest.rend());
  if (run.busiest.size() > 8) run.busiest.resize(8);
  kvQuit();
  workbook.Reset();
  run.live = host.LiveObjects();
  korvat::SetMessageSink({});
  return run;
}

}  // namespace

int main() {
  const int sizes[] = {1000, 10000};
  Run runs[2];
  for (int i = 0; i < 2; ++i) {
    runs[i] = Measure(sizes[i]);
    std::printf("%6d tasks: %8.3f s, %7.1f host calls per task, %5.2f shapes per task, live references %lld\n",
                sizes[i], runs[i].seconds, runs[i].callsPerTask, runs[i].shapesPerTask, runs[i].live);
    std::printf("        busiest members:");
    for (const auto& [calls, member] : runs[i].busiest) std::printf(" %s %.1f", member.c_str(), double(calls) / sizes[i]);
    std::printf(" (calls per task)\n");
  }
  const double ratio = runs[0].seconds > 0 ? runs[1].seconds / runs[0].seconds : 0;
  std::printf("10,000 / 1,000 time ratio: %.2f (limit 12)\n", ratio);
  return ratio > 0 && ratio <= 12.0 ? 0 : 1;
}
