#pragma once
// The plan the report exports are swept on under failing host calls.

#include "support/plan_session.h"

#include <memory>

namespace korvat::test {

// A session on the small plan (one day of two leaf tasks with loads, one done and one under
// way, every caption, the figures an update would write) with its settings and task table
// read; the present moment is Tuesday 2026-12-01 noon.
std::unique_ptr<PlanSession> OpenSweptPlan();
// The report export swept over every host call on that plan; the plan's own sheets stay as they were.
void SweepReport(const char* name, void (*report)());

}  // namespace korvat::test
