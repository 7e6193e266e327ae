#pragma once
// The report exports under failing host calls: one run with the k-th host call failing,
// for every k up to the calls the export makes, on a small plan read as an update reads it.
// Each run must leave no reference behind and a workbook that saves and loads back to the
// same text.

#include "support/plan_session.h"

#include <functional>
#include <memory>

namespace korvat::test {

struct Export {
  const char* name;
  std::function<void()> run;
};

// A session on the small plan (one day of two leaf tasks with loads, one done and one under
// way, every caption, the figures an update would write) with its settings and task table
// read; the present moment is Tuesday 2026-12-01 noon.
std::unique_ptr<PlanSession> OpenSweptPlan();
// Sweeps the export and prints how many runs it made.
void SweepHostFaults(const Export& e);

}  // namespace korvat::test
