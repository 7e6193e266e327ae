// The resources of the resources sheet.

#include "frame/addin_state.h"
#include "wbs/resource_list.h"
#include "support/current_plan.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

TEST(Resources, ReadFromRowFourToTheFirstEmptyName) {
  PlanWorkbook plan;
  plan.Resource("R1", "Anna").Resource("R2", "anna", kDay1 + 3).Resource("R3", "Ben", kDay1 + Clock(12, 0));
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  s.Sheet("wsResource").SetValue(8, 3, CellValue::Text("After the gap"));
  LoadResources(p);
  EXPECT_EQ(State().resources.Count(), 3);
  EXPECT_EQ(FirstResource(p.resources)->code, "R1");
  EXPECT_EQ(FindResource(p.resources, KV_W("anna"))->code, "R2");  // names match case-sensitively
  EXPECT_EQ(FindResource(p.resources, KV_W("Anna"))->code, "R1");
  EXPECT_EQ(FindResource(p.resources, KV_W("After the gap")), nullptr);
  EXPECT_DOUBLE_EQ(FindResource(p.resources, KV_W("anna"))->releaseDate, kDay1 + 4);  // to the end of that day
  EXPECT_DOUBLE_EQ(FindResource(p.resources, KV_W("Ben"))->releaseDate, kDay1 + Clock(12, 0));
  EXPECT_EQ(FindResource(p.resources, KV_W("Anna"))->releaseDate, 0.0);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
