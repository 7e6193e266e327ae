#pragma once
// An export under failing host calls: one run with the k-th host call failing, for every k
// up to a bound and every stride-th beyond it. Each run must leave no reference behind after
// kvQuit, a workbook that saves and loads back to the same text, and the cells the export
// may not write exactly as they were.

#include "support/plan_session.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace korvat::test {

struct SweptExport {
  std::string name;
  // A fresh session in the state the export starts from.
  std::function<std::unique_ptr<PlanSession>()> open;
  std::function<void(PlanSession&)> run;
  // The contents the export never writes, in any form that compares; empty when all may change.
  std::function<std::string(PlanSession&)> untouched;
  // Every call number up to this one is failed; beyond it a stride keeps the runs near maxRuns.
  std::int64_t everyCallUpTo = 1000;
  std::int64_t maxRuns = 1500;
};

struct SweepCounts {
  std::int64_t calls = 0;  // host calls of the run without failures
  std::int64_t runs = 0;
  std::int64_t stride = 1;
};

// Sweeps the export, prints a line "fault sweep NAME: ..." and appends it to the file named
// by KORVAT_SWEEP_LOG. KORVAT_SWEEP_MAX_RUNS lowers both bounds (sanitizer and emulated runs).
SweepCounts SweepHostFaults(const SweptExport& e);

// The values and formulas of the sheet's cells in the columns first..last (all when last is 0),
// one line per cell, for SweptExport::untouched.
std::string ContentsOf(const Worksheet& sheet, int firstColumn = 1, int lastColumn = 0);
// ContentsOf every sheet with one of these code names.
std::string ContentsOfSheets(PlanSession& session, std::initializer_list<const char*> codeNames);

}  // namespace korvat::test
