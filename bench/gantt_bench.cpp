// kvWBSReschedule (schedule and full redraw) on generated plans of 200, 1,000 and
// 10,000 tasks, a second reschedule over the drawn chart, and kvDrawCalendar:
// seconds, peak memory, host calls per task split into GetIDsOfNames and Invoke
// and into the parts of the export, and the time the calls would take on the real
// host at 30 us (in process) and 1 ms (out of process) a call. The 10,000-task
// reschedule must cost at most 12 times the 1,000-task one, in time and in calls.
//
// Plans: one top-level task per calendar day (08:00 to 18:00) with 99 leaf
// tasks of 5 minutes over two resources, each leaf linked to the one before it,
// every seventh under way. kvDrawCalendar runs on 200 and 1,000 tasks; pass
// --calendar-10000 to run it on 10,000 too (a hundred days at unit 60).
//
// Each run is repeated (--runs N, 3 by default); time is given as best and median.

#include "support/plan_workbook.h"
#include "automation/call_phase.h"
#include "automation/message_box.h"
#include "base/clock.h"
#include "host/automation/workbook_host.h"
#include "host/model/worksheet.h"
#include "korvat/korvat.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using korvat::test::Clock;

constexpr const char* kOther = "other (settings, filter)";
const char* const kPhases[] = {"scheduling", "row finishing", "bars", "labels", "connectors", "deletion", "header",
                               kOther};

// Charges the host calls made since the last change of part to the part that ends.
struct PhaseLedger {
  const korvat::host::WorkbookHost* host = nullptr;
  std::string current = kOther;
  std::int64_t calls = 0, lookups = 0;
  std::map<std::string, std::pair<std::int64_t, std::int64_t>> byPhase;  // calls, lookups

  void Start(const korvat::host::WorkbookHost& h) {
    host = &h;
    current = kOther;
    calls = h.TotalCalls();
    lookups = h.NameLookups();
    byPhase.clear();
  }
  void Switch(const char* phase) {
    if (!host) return;
    auto& entry = byPhase[current];
    entry.first += host->TotalCalls() - calls;
    entry.second += host->NameLookups() - lookups;
    calls = host->TotalCalls();
    lookups = host->NameLookups();
    current = phase ? phase : kOther;
  }
  void Stop() {
    Switch(nullptr);
    host = nullptr;
  }
};

PhaseLedger ledger;

struct Measurement {
  double seconds = 0;
  std::int64_t calls = 0, lookups = 0;
  std::map<std::string, std::pair<std::int64_t, std::int64_t>> byPhase;
  std::vector<std::pair<std::int64_t, std::string>> busiest;  // host calls by member, most first
  double shapesPerTask = 0;
  long long live = 0;
};

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

struct Job {
  std::function<void()> prepare;  // runs before counting starts (after binding)
  std::function<void()> measured;
};

Measurement Measure(int tasks, const Job& job) {
  korvat::host::WorkbookHost host(korvat::test::GeneratePlan({.tasks = tasks}));
  korvat::SetMessageSink([](const korvat::MessageBoxRequest&) { return 1; });
  korvat::SetFixedNow(46363.0 + Clock(12, 0));
  kvInit();
  korvat::ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvSetWorkBook(&book);
  if (job.prepare) job.prepare();
  host.ResetCounters();
  ledger.Start(host);
  korvat::SetCallPhaseObserver([](const char* phase) { ledger.Switch(phase); });
  const auto start = std::chrono::steady_clock::now();
  job.measured();
  const auto end = std::chrono::steady_clock::now();
  ledger.Stop();
  korvat::SetCallPhaseObserver(nullptr);
  Measurement m;
  m.seconds = std::chrono::duration<double>(end - start).count();
  m.calls = host.TotalCalls();
  m.lookups = host.NameLookups();
  m.byPhase = ledger.byPhase;
  m.shapesPerTask = static_cast<double>(host.Model().FindWorksheet("WBS")->Shapes().Count()) / tasks;
  for (const auto& [member, calls] : host.CallsByMember()) m.busiest.push_back({calls, member});
  std::sort(m.busiest.rbegin(), m.busiest.rend());
  if (m.busiest.size() > 10) m.busiest.resize(10);
  kvQuit();
  workbook.Reset();
  m.live = host.LiveObjects();
  korvat::SetMessageSink({});
  return m;
}

struct Row {
  std::string name;
  int tasks = 0;
  double best = 0, median = 0;
  double peakMb = 0;
  Measurement m;  // the counts of the last run (they do not vary)
};

Row Repeat(const std::string& name, int tasks, const Job& job, int runs) {
  std::vector<double> seconds;
  Row row;
  row.name = name;
  row.tasks = tasks;
  for (int i = 0; i < runs; ++i) {
    row.m = Measure(tasks, job);
    seconds.push_back(row.m.seconds);
  }
  std::sort(seconds.begin(), seconds.end());
  row.best = seconds.front();
  row.median = seconds[seconds.size() / 2];
  row.peakMb = PeakMegabytes();
  return row;
}

void Print(const Row& r) {
  const double perTask = static_cast<double>(r.m.calls) / r.tasks;
  const double lookups = static_cast<double>(r.m.lookups) / r.tasks;
  std::printf("| %-24s | %6d | %7.3f | %7.3f | %7.0f | %6.1f | %6.1f | %6.1f | %8.1f | %9.1f |\n", r.name.c_str(),
              r.tasks, r.best, r.median, r.peakMb, perTask, lookups, perTask - lookups, r.m.calls * 30e-6,
              r.m.calls * 1e-3);
}

void PrintPhases(const Row& r) {
  std::printf("| %-24s | %6d |", r.name.c_str(), r.tasks);
  for (const char* phase : kPhases) {
    const auto it = r.m.byPhase.find(phase);
    const double calls = it == r.m.byPhase.end() ? 0.0 : static_cast<double>(it->second.first) / r.tasks;
    std::printf(" %6.1f |", calls);
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  bool calendar10000 = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    if (!std::strcmp(argv[i], "--calendar-10000")) calendar10000 = true;
  }
  const Job reschedule{nullptr, [] { kvWBSReschedule(); }};
  const Job second{[] { kvWBSReschedule(); }, [] { kvWBSReschedule(); }};
  const Job calendar{nullptr, [] { kvDrawCalendar(60); }};

  std::vector<Row> rows;
  for (int tasks : {200, 1000, 10000}) rows.push_back(Repeat("reschedule", tasks, reschedule, runs));
  for (int tasks : {200, 1000, 10000}) rows.push_back(Repeat("second reschedule", tasks, second, runs));
  for (int tasks : {200, 1000}) rows.push_back(Repeat("kvDrawCalendar:60", tasks, calendar, runs));
  if (calendar10000) rows.push_back(Repeat("kvDrawCalendar:60", 10000, calendar, 1));

  std::printf("%d runs each; seconds best and median; peak memory of the process so far.\n\n", runs);
  std::printf("| %-24s | %6s | %7s | %7s | %7s | %6s | %6s | %6s | %8s | %9s |\n", "export", "tasks", "best s",
              "median", "peak MB", "calls", "GIDN", "Invoke", "at 30 us", "at 1 ms");
  std::printf("|--------------------------|--------|---------|---------|---------|--------|--------|--------|----------|-----------|\n");
  for (const Row& r : rows) Print(r);
  std::printf("\nHost calls per task by part (GetIDsOfNames and Invoke together):\n\n| %-24s | %6s |", "export",
              "tasks");
  for (const char* phase : kPhases) std::printf(" %s |", phase);
  std::printf("\n|--------------------------|--------|");
  for (const char* phase : kPhases) std::printf("%s|", std::string(std::strlen(phase) + 2, '-').c_str());
  std::printf("\n");
  for (const Row& r : rows) PrintPhases(r);

  std::printf("\nBusiest members of the 1,000-task reschedule (calls per task):");
  for (const auto& [calls, member] : rows[1].m.busiest) std::printf(" %s %.1f", member.c_str(), double(calls) / 1000);
  std::printf("\nShapes per task %.2f; live references after kvQuit %lld\n", rows[1].m.shapesPerTask, rows[1].m.live);

  const double timeRatio = rows[1].median > 0 ? rows[2].median / rows[1].median : 0;
  const double callRatio = rows[1].m.calls > 0 ? double(rows[2].m.calls) / double(rows[1].m.calls) : 0;
  const double secondRatio = rows[2].median > 0 ? rows[5].median / rows[2].median : 0;
  std::printf("10,000 / 1,000 reschedule: time ratio %.2f, call ratio %.2f (limit 12)\n", timeRatio, callRatio);
  std::printf("second / first reschedule at 10,000 tasks: time ratio %.2f (aim 1.2)\n", secondRatio);
  return timeRatio > 0 && timeRatio <= 12.0 && callRatio <= 12.0 ? 0 : 1;
}
