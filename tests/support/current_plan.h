#pragma once
// The plan the library is bound to right now, for tests that call the
// operations below the exports directly. Valid between kvInit and kvQuit.

#include "frame/addin_state.h"

#include <gtest/gtest.h>

namespace korvat::test {

inline BoundPlan CurrentPlan() {
  // Each call starts the notices afresh, as an export does.
  static PlanNotices notices;
  notices = PlanNotices();
  std::optional<BoundPlan> plan = BoundPlanOf(State(), notices);
  if (!plan) ADD_FAILURE() << "no plan is bound: call kvInit first";
  return *plan;
}

}  // namespace korvat::test
