#pragma once
// The one guard every export runs its work in. Nothing thrown below may cross
// into the macro that called the export: an exception (in practice an
// allocation failure) ends that export quietly. The state stays usable: every
// record and reference keeps its owner, scopes restore what they set, and the
// call layer's nesting depth is set back to what it was, so the next export
// works as if the failed one had stopped early.

#include "automation/call_error.h"
#include "automation/export_memo.h"
#include "automation/member_id_cache.h"
#include "frame/addin_state.h"

#include <optional>
#include <utility>

namespace korvat {

// Runs body() and returns its result, or quiet when it throws.
template <typename Result, typename Body>
Result GuardExport(Result quiet, Body&& body) noexcept {
  const int depth = CallDepth();
  try {
    const MemberIdCacheScope memberIds;  // member ids hold for one export
    const ExportMemoScope templates;     // and so do the templates
    return std::forward<Body>(body)();
  } catch (...) {
    RestoreCallDepth(depth);
    return quiet;
  }
}

template <typename Body>
void GuardExport(Body&& body) noexcept {
  GuardExport(0, [&] {
    std::forward<Body>(body)();
    return 0;
  });
}

// Runs body(plan) with the plan the state is bound to; nothing happens before
// kvInit or after kvQuit, when there is no plan.
template <typename Result, typename Body>
Result WithBoundPlan(Result quiet, Body&& body) noexcept {
  return GuardExport(quiet, [&]() -> Result {
    PlanNotices notices;
    std::optional<BoundPlan> plan = BoundPlanOf(State(), notices);
    if (!plan) return quiet;
    return std::forward<Body>(body)(*plan);
  });
}

template <typename Body>
void WithBoundPlan(Body&& body) noexcept {
  WithBoundPlan(0, [&](BoundPlan& plan) {
    std::forward<Body>(body)(plan);
    return 0;
  });
}

}  // namespace korvat
