// Roll-up formulas of summary rows and the values the host computes from them.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/rollup_formulas.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr int kPV = 14, kAC = 15, kPS = 16, kPE = 17, kAS = 18, kAE = 19, kPct = 20;

TEST(Rollups, FormulaTemplates) {
  EXPECT_EQ(ZeroToBlank("MIN", "F5,F8"), "IF(MIN(F5,F8)=0,\"\",MIN(F5,F8))");
  EXPECT_EQ(AllOrBlank("MAX", "I5,I8"), "IF(OR(I5=\"\",I8=\"\"),\"\",MAX(I5,I8))");
  EXPECT_EQ(WeightedPercent("D3", "D", "J5,J8"), "IF(N(D3)=0,\"\",SUM(N(J5)*N(D5),N(J8)*N(D8))/D3)");
  EXPECT_EQ(ErrorToBlank("E7/D7", "\"\""), "IF(ISERROR(E7/D7),\"\",E7/D7)");
}

TEST(Rollups, ASummaryWithTwoLeavesGetsTheSevenFormulasAndTheirValues) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna");
  const int top = plan.Task({1, "Day"});
  plan.Task({2, "A", "Anna", "", Clock(8, 0), Clock(9, 0), Clock(8, 0), Clock(9, 30)});
  plan.Task({2, "Note only", "M1"});
  plan.Task({2, "B", "Anna", "", Clock(9, 0), Clock(12, 0), Clock(9, 30), 0, "50"});
  plan.Wbs().SetFormula(top + 2, kPV, "=1+1");  // a leaf formula turns into its value
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(s.Formula(top, kPS), "=IF(MIN(P7,P8,P9)=0,\"\",MIN(P7,P8,P9))");
  EXPECT_EQ(s.Formula(top, kPE), "=IF(MAX(Q7,Q8,Q9)=0,\"\",MAX(Q7,Q8,Q9))");
  EXPECT_EQ(s.Formula(top, kAS), "=IF(MIN(R7,R8,R9)=0,\"\",MIN(R7,R8,R9))");
  EXPECT_EQ(s.Formula(top, kAE), "=IF(OR(S7=\"\",S8=\"\",S9=\"\"),\"\",MAX(S7,S8,S9))");
  EXPECT_EQ(s.Formula(top, kPV), "=IF(SUM(N7,N8,N9)=0,\"\",SUM(N7,N8,N9))");
  EXPECT_EQ(s.Formula(top, kAC), "=IF(SUM(O7,O8,O9)=0,\"\",SUM(O7,O8,O9))");
  EXPECT_EQ(s.Formula(top, kPct), "=IF(N(N6)=0,\"\",SUM(N(T7)*N(N7),N(T8)*N(N8),N(T9)*N(N9))/N6)");
  EXPECT_NEAR(s.Number(top, kPS), Clock(8, 0), 1e-12);
  EXPECT_NEAR(s.Number(top, kPE), Clock(12, 0), 1e-12);
  EXPECT_NEAR(s.Number(top, kAS), Clock(8, 0), 1e-12);
  EXPECT_EQ(s.Text(top, kAE), "");  // not every child has finished
  EXPECT_EQ(s.Number(top, kPV), 240 + 2);
  EXPECT_EQ(s.Number(top, kAC), 90);
  EXPECT_NEAR(s.Number(top, kPct), (100 * 60 + 50 * 180) / 242.0, 1e-9);
  EXPECT_FALSE(s.Wbs().HasFormula(top + 2, kPV));
  EXPECT_EQ(s.Number(top + 2, kPV), 2);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Rollups, NestedSummariesReferToTheirDirectChildrenOnly) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  const int top = plan.Task({1, "Day"});
  const int mid = plan.Task({2, "Group"});
  plan.Task({3, "G1", "M1", "", Clock(8, 0), Clock(8, 30)});
  plan.Task({3, "G2", "M1", "", Clock(8, 30), Clock(9, 0)});
  plan.Task({2, "Single", "M1", "", Clock(10, 0), Clock(10, 15)});
  plan.Task({1, "Empty day"});
  plan.Task({2, "No times", "M1"});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(s.Formula(top, kPS), "=IF(MIN(P7,P10)=0,\"\",MIN(P7,P10))");
  EXPECT_EQ(s.Formula(mid, kPS), "=IF(MIN(P8,P9)=0,\"\",MIN(P8,P9))");
  EXPECT_NEAR(s.Number(top, kPE), Clock(10, 15), 1e-12);
  EXPECT_EQ(s.Number(top, kPV), 75);
  EXPECT_EQ(s.Number(mid, kPV), 60);
  // Children without times or minutes show blanks, never an error.
  EXPECT_EQ(s.Text(11, kPS), "");
  EXPECT_EQ(s.Text(11, kPE), "");
  EXPECT_EQ(s.Text(11, kPct), "");
  EXPECT_EQ(s.Close(), 0);
}

TEST(Rollups, ARowThatLosesItsChildrenKeepsItsValues) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Task({1, "Day"});
  const int group = plan.Task({2, "Group"});
  const int child = plan.Task({3, "Child", "M1", "", Clock(8, 0), Clock(8, 45)});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  ASSERT_TRUE(s.Wbs().HasFormula(group, kPV));
  // The child moves up a level: the group row becomes a leaf.
  s.Wbs().SetValue(child, 4, CellValue::Empty());
  s.Wbs().SetValue(child, 3, CellValue::Text("Child"));
  kvUpdateWBS();
  EXPECT_FALSE(s.Wbs().HasFormula(group, kPV));
  EXPECT_EQ(s.Number(group, kPV), 45);
  EXPECT_NEAR(s.Number(group, kPS), Clock(8, 0), 1e-12);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
