// kvEVMByProject with one failing host call, for every call it makes.

#include "fault_sweep.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

TEST(ProjectReportFaultSweep, EveryHostCall) {
  SweepHostFaults({"kvEVMByProject(2, 1)", [] { kvEVMByProject(2, 1); }});
}

}  // namespace
