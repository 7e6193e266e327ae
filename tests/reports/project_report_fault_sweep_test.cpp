// kvEVMByProject with one failing host call, for every call it makes.

#include "swept_plan.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

TEST(ProjectReportFaultSweep, EveryHostCall) {
  SweepReport("kvEVMByProject(2, 1)", [] { kvEVMByProject(2, 1); });
}

}  // namespace
