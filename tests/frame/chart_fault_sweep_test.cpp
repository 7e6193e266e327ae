// The reschedule and the chart under failing host calls on the small plan.

#include "korvat/korvat.h"
#include "swept_chart_plan.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

TEST(ChartFaultSweep, FirstReschedule) {
  SweepSmallPlan("kvWBSReschedule", OpenSmallPlan, [] { kvWBSReschedule(); }, PlanInputs);
}

TEST(ChartFaultSweep, RescheduleOverAChart) {
  SweepSmallPlan("kvWBSReschedule over a chart", OpenDrawnPlan, [] { kvWBSReschedule(); }, PlanInputs);
}

TEST(ChartFaultSweep, ChartInAnotherStyle) {
  SweepSmallPlan("kvDrawGanntChart(1) over a chart", OpenDrawnPlan, [] { kvDrawGanntChart(1); }, ChartInputs);
}

}  // namespace
}  // namespace korvat::test
