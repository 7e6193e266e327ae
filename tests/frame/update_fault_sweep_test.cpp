// The update and the filter, and a second binding, under failing host calls on the small plan.

#include "korvat/korvat.h"
#include "swept_chart_plan.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

TEST(UpdateFaultSweep, Update) { SweepSmallPlan("kvUpdateWBS", OpenSmallPlan, [] { kvUpdateWBS(); }, PlanInputs); }

TEST(UpdateFaultSweep, FilterOverAChart) {
  SweepSmallPlan("kvWBSFilter", OpenDrawnPlan, [] { kvWBSFilter(); }, TaskColumns);
}

// Binding a second workbook object, the first loading export of a binding included.
TEST(UpdateFaultSweep, SetWorkBookThenUpdate) {
  SweepHostFaults({.name = "kvSetWorkBook then kvUpdateWBS",
                   .open = OpenSmallPlan,
                   .run = [](PlanSession& s) {
                     ComRef<IDispatch> book = s.Host().NewWorkbookObject();
                     IDispatch* raw = book.Get();
                     kvSetWorkBook(&raw);
                     kvUpdateWBS();
                   },
                   .untouched = PlanInputs,
                   .everyCallUpTo = 500,
                   .maxRuns = 700});
}

}  // namespace
}  // namespace korvat::test
