// The update and the filter on the sample under failing host calls.

#include "korvat/korvat.h"
#include "support/fault_sweep.h"

#include <gtest/gtest.h>

namespace korvat::test {
namespace {

// The sample: the update and the filter, with fewer runs (each run reads 60 tasks).
TEST(SampleFaultSweep, UpdateThenFilter) {
  SweepHostFaults({.name = "sample kvUpdateWBS then kvWBSFilter",
                   .open = [] { return std::make_unique<PlanSession>(LoadSample(), 46364.5); },
                   .run = [](PlanSession&) {
                     kvUpdateWBS();
                     kvWBSFilter();
                   },
                   .untouched = [](PlanSession& s) { return ContentsOfSheets(s, {"wsSettings", "wsResource", "wsCalendar"}); },
                   .everyCallUpTo = 150,
                   .maxRuns = 300});
}

}  // namespace
}  // namespace korvat::test
