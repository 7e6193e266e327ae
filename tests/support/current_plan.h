#pragma once
// The plan the library is bound to right now, for tests that call the
// operations below the exports directly. Valid between kvInit and kvQuit.

#include "frame/addin_state.h"

#include <gtest/gtest.h>

namespace korvat::test {

inline BoundPlan CurrentPlan() {
  std::optional<BoundPlan> plan = BoundPlanOf(State());
  if (!plan) ADD_FAILURE() << "no plan is bound: call kvInit first";
  return *plan;
}

}  // namespace korvat::test
