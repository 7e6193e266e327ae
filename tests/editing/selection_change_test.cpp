// The WBS sheet's SelectionChange event: a span of the timeline on a task row
// becomes its planned start and end.

#include "editing/editing_plan.h"
#include "frame/addin_state.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

TEST(SelectionChange, ThreeTimelineColumnsSetASpanOfThreeCalendarUnits) {
  for (const bool autoUpdate : {false, true}) {
    PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}}, autoUpdate);
    auto s = OpenUpdated(plan);
    ForwardEvents(*s);
    // The timeline starts at column Y with the day's window, 08:00, one hour a column.
    Select(*s, "AA7:AC7");
    EXPECT_NEAR(s->Number(7, kPSCol), Clock(10, 0), 1e-9) << autoUpdate;
    EXPECT_NEAR(s->Number(7, kPECol), Clock(13, 0), 1e-9) << autoUpdate;
    EXPECT_NE(s->Wbs().Shapes().Find("GanntBar7A"), nullptr);
    EXPECT_EQ(s->Close(), 0);
  }
}

TEST(SelectionChange, SelectionsLeftOfTheTimelineOrOffTheTasksChangeNothing) {
  for (const std::string selection : {"C7", "X7:Z7", "Y3:AA3", "Y20:AA20", "7:7", "A1:XFD1048576"}) {
    const auto after = [&](bool events) {
      PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}}, true);
      auto s = OpenUpdated(plan);
      if (events) ForwardEvents(*s);
      Select(*s, selection);
      const std::string saved = SavedText(*s);
      EXPECT_EQ(s->Close(), 0);
      return saved;
    };
    // The selection is the same either way; the forwarded event must add nothing to it.
    EXPECT_EQ(after(true), after(false)) << selection;
  }
}

}  // namespace
