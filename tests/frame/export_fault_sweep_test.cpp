// The chart and update exports under failing host calls: every call number of each, on a
// small plan of two days with a summary, links, a finished and a started task and a shape of
// the user's.

#include "korvat/korvat.h"
#include "support/chart_plan.h"
#include "support/fault_sweep.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

constexpr double kDay1 = 46363.0;  // 2026-12-07
constexpr double kNow = kDay1 + 1.5;

PlanTask Leaf(const std::string& name, double start, double end, const std::string& percent = "",
              const std::string& predecessors = "", const std::string& resource = "Alice") {
  return {.level = 2, .name = name, .resource = resource, .pv = "60", .plannedStart = start, .plannedEnd = end,
          .percent = percent, .predecessors = predecessors};
}

std::unique_ptr<Workbook> SmallChartPlan() {
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7}, PlanDay{.day = 8, .windowStart = 8.0 / 24, .windowEnd = 17.0 / 24}};
  PlanTask done = Leaf("Done", HoursMinutes(9, 0), HoursMinutes(10, 0), "100");
  done.actualStart = HoursMinutes(9, 0);
  done.actualEnd = HoursMinutes(10, 30);
  PlanTask started = Leaf("Started", HoursMinutes(10, 0), HoursMinutes(12, 0), "40", "1.1", "Bob");
  started.actualStart = HoursMinutes(10, 15);
  plan.tasks = {{.level = 1, .name = "Day 1"},
                done,
                started,
                Leaf("Too early", HoursMinutes(9, 30), HoursMinutes(11, 0), "", "1.2"),
                {.level = 1, .name = "Day 2"},
                Leaf("Later", HoursMinutes(8, 0), HoursMinutes(9, 0), "", "1.3", "Bob")};
  plan.extraWbsShapes = {{.name = "UserNote", .left = 10, .top = 10}};
  return plan.Build();
}

std::unique_ptr<PlanSession> OpenSmallPlan() { return std::make_unique<PlanSession>(SmallChartPlan(), kNow); }

// The same plan with its chart drawn once, for the exports that redraw over a chart.
std::unique_ptr<PlanSession> OpenDrawnPlan() {
  auto s = OpenSmallPlan();
  kvDrawCalendar(60);
  kvWBSReschedule();
  kvDrawProgressLines();
  return s;
}

// What no drawing export writes: the other sheets, and on the WBS sheet the task names,
// resources and predecessors the user typed.
std::string PlanInputs(PlanSession& s) {
  const Worksheet& wbs = s.Wbs();
  return ContentsOfSheets(s, {"wsSettings", "wsResource", "wsCalendar"}) + ContentsOf(wbs, 2, 11) +
         ContentsOf(wbs, 13, 13) + ContentsOf(wbs, kPredecessorsColumn, kPredecessorsColumn);
}

// The chart keeps its bar style in the settings.
std::string ChartInputs(PlanSession& s) {
  const Worksheet& wbs = s.Wbs();
  return ContentsOfSheets(s, {"wsResource", "wsCalendar"}) + ContentsOf(wbs, 2, 11) + ContentsOf(wbs, 13, 13) +
         ContentsOf(wbs, kPredecessorsColumn, kPredecessorsColumn);
}

// The calendar header writes only from the first timeline column on (and keeps its unit
// in the settings).
std::string TaskColumns(PlanSession& s) {
  return ContentsOfSheets(s, {"wsResource", "wsCalendar"}) + ContentsOf(s.Wbs(), 1, kFirstTimelineColumn - 1);
}

struct Case {
  const char* name;
  std::unique_ptr<PlanSession> (*open)();
  void (*run)();
  std::string (*untouched)(PlanSession&);
  // A drawn plan costs a full drawing to open: those sweeps make fewer runs.
  std::int64_t everyCallUpTo = 1000, maxRuns = 1500;
};

constexpr std::int64_t kDrawnEveryCallUpTo = 300, kDrawnMaxRuns = 500;

class ExportFaultSweep : public ::testing::TestWithParam<Case> {};

TEST_P(ExportFaultSweep, EveryHostCall) {
  const Case& c = GetParam();
  const SweepCounts counts =
      SweepHostFaults({.name = c.name,
                       .open = c.open,
                       .run = [&c](PlanSession&) { c.run(); },
                       .untouched = c.untouched,
                       .everyCallUpTo = c.everyCallUpTo,
                       .maxRuns = c.maxRuns});
  EXPECT_GT(counts.runs, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SmallPlan, ExportFaultSweep,
    ::testing::Values(
        Case{"kvUpdateWBS", OpenSmallPlan, [] { kvUpdateWBS(); }, PlanInputs},
        Case{"kvWBSFilter", OpenDrawnPlan, [] { kvWBSFilter(); }, TaskColumns, kDrawnEveryCallUpTo, kDrawnMaxRuns},
        Case{"kvDrawCalendar(60)", OpenSmallPlan, [] { kvDrawCalendar(60); }, TaskColumns},
        Case{"kvDrawCalendar(15) over a header", OpenDrawnPlan, [] { kvDrawCalendar(15); }, TaskColumns, kDrawnEveryCallUpTo, kDrawnMaxRuns},
        Case{"kvWBSReschedule", OpenSmallPlan, [] { kvWBSReschedule(); }, PlanInputs},
        Case{"kvWBSReschedule over a chart", OpenDrawnPlan, [] { kvWBSReschedule(); }, PlanInputs, kDrawnEveryCallUpTo, kDrawnMaxRuns},
        Case{"kvDrawGanntChart(1) over a chart", OpenDrawnPlan, [] { kvDrawGanntChart(1); }, ChartInputs, kDrawnEveryCallUpTo, kDrawnMaxRuns},
        Case{"kvDrawProgressLines", OpenDrawnPlan, [] { kvDrawProgressLines(); }, TaskColumns, kDrawnEveryCallUpTo, kDrawnMaxRuns}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Export" + std::to_string(info.index); });

// Binding a second workbook object, the first loading export of a binding included.
TEST(BindingFaultSweep, SetWorkBookThenUpdate) {
  SweepHostFaults({.name = "kvSetWorkBook then kvUpdateWBS",
                   .open = OpenSmallPlan,
                   .run = [](PlanSession& s) {
                     ComRef<IDispatch> book = s.Host().NewWorkbookObject();
                     IDispatch* raw = book.Get();
                     kvSetWorkBook(&raw);
                     kvUpdateWBS();
                   },
                   .untouched = PlanInputs});
}

}  // namespace
}  // namespace korvat::test
