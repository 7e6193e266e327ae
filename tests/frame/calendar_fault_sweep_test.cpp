// The calendar header and the progress line under failing host calls on the small plan.

#include "korvat/korvat.h"
#include "swept_chart_plan.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

TEST(CalendarFaultSweep, FirstHeader) {
  SweepSmallPlan("kvDrawCalendar(60)", OpenSmallPlan, [] { kvDrawCalendar(60); }, TaskColumns);
}

TEST(CalendarFaultSweep, FinerHeaderOverAChart) {
  SweepSmallPlan("kvDrawCalendar(15) over a header", OpenDrawnPlan, [] { kvDrawCalendar(15); }, TaskColumns);
}

TEST(CalendarFaultSweep, ProgressLine) {
  SweepSmallPlan("kvDrawProgressLines", OpenDrawnPlan, [] { kvDrawProgressLines(); }, TaskColumns);
}

}  // namespace
}  // namespace korvat::test
