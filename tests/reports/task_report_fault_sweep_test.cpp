// kvEVMByTask with one failing host call, for every call it makes.

#include "swept_plan.h"
#include "korvat/korvat.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

// The swept plan gives the task report its two rows: the plan read is the one a report
// sees after an update.
TEST(TaskReportFaultSweep, TheSweptPlanIsReadAsAnUpdateReadsIt) {
  const auto s = OpenSweptPlan();
  kvEVMByTask();
  const Worksheet* report = ReportSheet(*s, "EVM0_20261201");
  ASSERT_TRUE(report);
  EXPECT_EQ(NumberAt(*report, "C3"), 120.0);  // Dig
  EXPECT_EQ(NumberAt(*report, "F3"), 150.0);
  EXPECT_EQ(NumberAt(*report, "E4"), 144.0);  // Pour: 60% of 240
  EXPECT_EQ(s->Close(), 0);
}

TEST(TaskReportFaultSweep, EveryHostCall) { SweepReport("kvEVMByTask", [] { kvEVMByTask(); }); }

}  // namespace
