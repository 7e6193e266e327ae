// Nothing thrown below an export reaches the macro that called it, and the state
// stays usable for the next export.

#include "automation/call_error.h"
#include "automation/message_box.h"
#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

using namespace korvat;
using namespace korvat::test;

std::unique_ptr<Workbook> PlanWithAnUnknownResource() {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Resource("R1", "Anna");
  plan.Task({1, "Day"});
  plan.Task({2, "Known", "Anna", "30"});
  plan.Task({2, "Unknown", "Nobody", "30"});
  return plan.Take();
}

TEST(ExportGuard, AnAllocationFailureEndsTheExportQuietlyAndTheNextOneWorks) {
  PlanSession s(PlanWithAnUnknownResource(), kDay1);
  int thrown = 0;
  // The unknown resource's message is the first thing the export shows.
  SetMessageSink([&](const MessageBoxRequest&) -> int {
    ++thrown;
    throw std::bad_alloc();
  });
  kvWBSReschedule();
  EXPECT_EQ(thrown, 1);
  EXPECT_EQ(State().wbsSettings->rescheduleMode, 0) << "the scheduling scope set the mode back";
  EXPECT_EQ(CallDepth(), 0);

  std::vector<std::string> boxes;
  SetMessageSink([&](const MessageBoxRequest& box) {
    boxes.push_back(platform::WideToAnsi(box.text));
    return 1;
  });
  kvWBSReschedule();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("Nobody"), std::string::npos);
  EXPECT_EQ(s.Text(7, 16), "0.333333333333333") << "the known task was planned from 08:00";
  EXPECT_EQ(s.Text(8, 16), "") << "the task without a usable resource was left unplanned";
  EXPECT_EQ(s.Close(), 0) << "no reference was left behind by the failed export";
}

TEST(ExportGuard, EveryExportWithoutBoundRecordsDoesNothing) {
  kvQuit();  // no records: every export has no plan to work on
  kvUpdateWBS();
  kvWBSReschedule();
  kvDrawCalendar(60);
  kvDrawGanntChart(1);
  kvWBSFilter();
  kvDrawProgressLines();
  PlanNotices notices;
  EXPECT_EQ(BoundPlanOf(State(), notices), std::nullopt);
}

TEST(ExportGuard, AHostThatRunsOutOfMemoryInsideAMemberFailsTheCallNotTheExport) {
  PlanSession s(PlanWithAnUnknownResource(), kDay1);
  s.Host().FailMember("Value", host::FaultKind::OutOfMemory);
  kvWBSReschedule();
  kvDrawCalendar(60);
  s.Host().ClearFaults();
  kvUpdateWBS();
  EXPECT_EQ(s.Text(6, 1), "1") << "the next export numbers the tasks";
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
