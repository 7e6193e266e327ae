// Every editing export with the k-th host call failing, for every k of its run:
// no reference left behind, no crash, a workbook that saves and loads back.

#include "editing/editing_plan.h"
#include "korvat/korvat.h"
#include "support/fault_sweep.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

// A summary with three leaves, the second row selected, events forwarded.
std::unique_ptr<PlanSession> OpenSelected(const std::string& selection) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}, {1, "B"}, {2, "b1"}}, true);
  auto s = OpenUpdated(plan);
  std::string error;
  EXPECT_TRUE(s->Host().SelectRange("wsWBS", selection, &error)) << error;
  ForwardEvents(*s);
  return s;
}

SweptExport RowOperation(std::string name, std::string selection, std::function<void()> run) {
  return {std::move(name), [selection] { return OpenSelected(selection); }, [run](PlanSession&) { run(); }};
}

TEST(EditingFaultSweep, RowMoves) {
  SweepHostFaults(RowOperation("kvTasksMoveUp", "8:9", [] { kvTasksMoveUp(); }));
  SweepHostFaults(RowOperation("kvTasksMoveDown", "7:8", [] { kvTasksMoveDown(); }));
}

TEST(EditingFaultSweep, LevelShifts) {
  SweepHostFaults(RowOperation("kvTasksMoveRight", "8:8", [] { kvTasksMoveRight(); }));
  SweepHostFaults(RowOperation("kvTasksMoveLeft", "8:9", [] { kvTasksMoveLeft(); }));
}

TEST(EditingFaultSweep, Offset) {
  SweepHostFaults(RowOperation("kvTasksOffset", "7:9", [] { kvTasksOffset(15, -2); }));
}

TEST(EditingFaultSweep, SheetEvents) {
  // The typing happens with the faults armed: the host's event reaches the export.
  SweepHostFaults({"kvWBSEventOnChange", [] { return OpenSelected("7:7"); },
                   [](PlanSession& s) {
                     std::string error;
                     s.Host().TypeIntoCell("wsWBS", "T8", "100", &error);
                   }});
  SweepHostFaults({"kvWBSEventOnSelectionChange", [] { return OpenSelected("7:7"); },
                   [](PlanSession& s) {
                     std::string error;
                     s.Host().SelectRange("wsWBS", "Z8:AA8", &error);
                   }});
}

}  // namespace
