// kvWorkload with one failing host call, for every call it makes.

#include "swept_plan.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

TEST(WorkloadReportFaultSweep, EveryHostCall) { SweepReport("kvWorkload(1, 1)", [] { kvWorkload(1, 1); }); }

}  // namespace
