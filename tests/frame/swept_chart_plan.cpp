#include "swept_chart_plan.h"

#include "korvat/korvat.h"
#include "support/chart_plan.h"

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

}  // namespace

std::unique_ptr<PlanSession> OpenSmallPlan() { return std::make_unique<PlanSession>(SmallChartPlan(), kNow); }

std::unique_ptr<PlanSession> OpenDrawnPlan() {
  auto s = OpenSmallPlan();
  kvDrawCalendar(60);
  kvWBSReschedule();
  kvDrawProgressLines();
  return s;
}

std::string PlanInputs(PlanSession& s) {
  const Worksheet& wbs = s.Wbs();
  return ContentsOfSheets(s, {"wsSettings", "wsResource", "wsCalendar"}) + ContentsOf(wbs, 2, 11) +
         ContentsOf(wbs, 13, 13) + ContentsOf(wbs, kPredecessorsColumn, kPredecessorsColumn);
}

std::string ChartInputs(PlanSession& s) {
  const Worksheet& wbs = s.Wbs();
  return ContentsOfSheets(s, {"wsResource", "wsCalendar"}) + ContentsOf(wbs, 2, 11) + ContentsOf(wbs, 13, 13) +
         ContentsOf(wbs, kPredecessorsColumn, kPredecessorsColumn);
}

std::string TaskColumns(PlanSession& s) {
  return ContentsOfSheets(s, {"wsResource", "wsCalendar"}) + ContentsOf(s.Wbs(), 1, kFirstTimelineColumn - 1);
}

void SweepSmallPlan(const char* name, std::unique_ptr<PlanSession> (*open)(), void (*run)(),
                    std::string (*untouched)(PlanSession&)) {
  const bool drawn = open == OpenDrawnPlan;
  const SweepCounts counts = SweepHostFaults({.name = name,
                                              .open = open,
                                              .run = [run](PlanSession&) { run(); },
                                              .untouched = untouched,
                                              .everyCallUpTo = drawn ? 200 : 500,
                                              .maxRuns = drawn ? 300 : 700});
  EXPECT_GT(counts.runs, 0) << name;
}

}  // namespace korvat::test
