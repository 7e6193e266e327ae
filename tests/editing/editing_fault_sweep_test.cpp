// Every editing export with the k-th host call failing, for the call numbers of
// its run: no reference left behind, no crash, a workbook that saves and loads
// back, and the sheets no editing export writes as they were.

#include "editing/editing_plan.h"
#include "korvat/korvat.h"
#include "support/fault_sweep.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

// A summary with three leaves and a second day, events forwarded, the given
// rows selected.
std::unique_ptr<PlanSession> OpenSelected(const std::string& selection) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}, {1, "B"}, {2, "b1"}}, true);
  plan.Wbs().SetValue(9, kPredCol, CellValue::Text("1.1"));
  auto s = OpenUpdated(plan);
  std::string error;
  EXPECT_TRUE(s->Host().SelectRange("wsWBS", selection, &error)) << error;
  ForwardEvents(*s);
  return s;
}

std::string OtherSheets(PlanSession& s) { return ContentsOfSheets(s, {"wsSettings", "wsResource", "wsCalendar"}); }

struct Case {
  const char* name;
  const char* selection;
  std::function<void(PlanSession&)> run;
};

class EditingFaultSweep : public ::testing::TestWithParam<Case> {};

TEST_P(EditingFaultSweep, EveryHostCall) {
  const Case& c = GetParam();
  const std::string selection = c.selection;
  const SweepCounts counts = SweepHostFaults({.name = c.name,
                                              .open = [selection] { return OpenSelected(selection); },
                                              .run = c.run,
                                              .untouched = OtherSheets,
                                              .everyCallUpTo = 300,
                                              .maxRuns = 500});
  EXPECT_GT(counts.runs, 0);
}

void Type(PlanSession& s, const char* cell, const char* text) {
  std::string error;
  s.Host().TypeIntoCell("wsWBS", cell, text, &error);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, EditingFaultSweep,
    ::testing::Values(Case{"kvTasksMoveUp", "8:9", [](PlanSession&) { kvTasksMoveUp(); }},
                      Case{"kvTasksMoveDown", "7:8", [](PlanSession&) { kvTasksMoveDown(); }},
                      Case{"kvTasksMoveRight", "8:8", [](PlanSession&) { kvTasksMoveRight(); }},
                      Case{"kvTasksMoveLeft", "8:9", [](PlanSession&) { kvTasksMoveLeft(); }},
                      Case{"kvTasksOffset(15,-2)", "7:9", [](PlanSession&) { kvTasksOffset(15, -2); }},
                      // The host raises the events with the faults armed; they reach the exports.
                      Case{"kvWBSEventOnChange, 100 typed", "7:7", [](PlanSession& s) { Type(s, "T8", "100"); }},
                      Case{"kvWBSEventOnChange, a start typed", "7:7",
                           [](PlanSession& s) { Type(s, "P8", "0.4375"); }},
                      Case{"kvWBSEventOnSelectionChange", "7:7",
                           [](PlanSession& s) {
                             std::string error;
                             s.Host().SelectRange("wsWBS", "Z8:AA8", &error);
                           }}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Export" + std::to_string(info.index); });

}  // namespace
