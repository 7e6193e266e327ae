#include "support/fault_sweep.h"

#include "host/file/workbook_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace korvat::test {
namespace {

// The bounds, lowered by the environment for the slow builds.
void ApplyRunCap(std::int64_t& everyCallUpTo, std::int64_t& maxRuns) {
  const char* cap = std::getenv("KORVAT_SWEEP_MAX_RUNS");
  if (!cap || !*cap) return;
  const std::int64_t limit = std::max<std::int64_t>(1, std::atoll(cap));
  maxRuns = std::min(maxRuns, limit);
  everyCallUpTo = std::min(everyCallUpTo, limit / 2 + 1);
}

std::int64_t StrideFor(std::int64_t calls, std::int64_t everyCallUpTo, std::int64_t maxRuns) {
  if (calls <= everyCallUpTo) return 1;
  const std::int64_t sparseRuns = std::max<std::int64_t>(1, maxRuns - everyCallUpTo);
  return (calls - everyCallUpTo) / sparseRuns + 1;
}

std::int64_t NextCall(std::int64_t k, std::int64_t everyCallUpTo, std::int64_t stride) {
  return k < everyCallUpTo ? k + 1 : k + stride;
}

// A value written so that any difference shows: numbers to the last bit.
std::string ValueText(const CellValue& v) {
  char number[32];
  switch (v.kind) {
    case CellValue::Kind::Empty: return "";
    case CellValue::Kind::Number: std::snprintf(number, sizeof number, "%.17g", v.number); return number;
    case CellValue::Kind::Boolean: return v.AsBool() ? "TRUE" : "FALSE";
    case CellValue::Kind::Text: return '"' + v.text + '"';
    case CellValue::Kind::Error: return host::CellErrorText(v.error);
  }
  return "";
}

std::string Untouched(const SweptExport& e, PlanSession& s) { return e.untouched ? e.untouched(s) : std::string(); }

void Report(const SweptExport& e, const SweepCounts& counts, std::int64_t everyCallUpTo) {
  char line[512];
  std::snprintf(line, sizeof line, "fault sweep %s: %lld runs over %lld host calls (every call up to %lld, then stride %lld)",
                e.name.c_str(), static_cast<long long>(counts.runs), static_cast<long long>(counts.calls),
                static_cast<long long>(std::min(everyCallUpTo, counts.calls)), static_cast<long long>(counts.stride));
  std::printf("%s\n", line);
  if (const char* log = std::getenv("KORVAT_SWEEP_LOG"); log && *log) std::ofstream(log, std::ios::app) << line << '\n';
}

}  // namespace

SweepCounts SweepHostFaults(const SweptExport& e) {
  SweepCounts counts;
  std::int64_t everyCallUpTo = e.everyCallUpTo, maxRuns = e.maxRuns;
  ApplyRunCap(everyCallUpTo, maxRuns);

  std::string untouchedBefore;
  {
    const auto s = e.open();
    untouchedBefore = Untouched(e, *s);
    s->Host().ResetCounters();
    e.run(*s);
    counts.calls = s->Host().TotalCalls();
    EXPECT_EQ(s->Close(), 0) << e.name << " without failures";
  }
  EXPECT_GT(counts.calls, 0) << e.name << " makes no host call";
  counts.stride = StrideFor(counts.calls, everyCallUpTo, maxRuns);

  const host::FaultKind kinds[] = {host::FaultKind::Exception, host::FaultKind::MemberNotFound,
                                   host::FaultKind::OutOfMemory};
  for (std::int64_t k = 1; k <= counts.calls; k = NextCall(k, everyCallUpTo, counts.stride), ++counts.runs) {
    const auto s = e.open();
    s->Host().ResetCounters();
    s->Host().FailCall(k, kinds[k % 3]);
    e.run(*s);
    s->Host().ClearFaults();
    const std::string untouchedAfter = Untouched(e, *s);
    EXPECT_EQ(untouchedAfter, untouchedBefore) << e.name << " failing call " << k << " wrote where it may not";
    EXPECT_EQ(s->Close(), 0) << e.name << " failing call " << k << " left references";
    const std::string text = host::file::WorkbookToText(s->Host().Model());
    const host::file::LoadResult loaded = host::file::LoadWorkbookFromText(text);
    EXPECT_TRUE(loaded.ok()) << e.name << " failing call " << k << ": " << loaded.error;
    if (loaded.ok()) {
      EXPECT_EQ(host::file::WorkbookToText(*loaded.workbook), text) << e.name << " failing call " << k;
    }
    if (::testing::Test::HasFailure()) break;  // one failing call number tells enough
  }
  Report(e, counts, everyCallUpTo);
  return counts;
}

std::string ContentsOf(const Worksheet& sheet, int firstColumn, int lastColumn) {
  std::ostringstream out;
  for (const auto& [key, cell] : sheet.Cells()) {
    const int row = Worksheet::KeyRow(key), col = Worksheet::KeyColumn(key);
    if (col < firstColumn || (lastColumn > 0 && col > lastColumn)) continue;
    const CellValue value = sheet.Value(row, col);
    const std::string& formula = sheet.Formula(row, col);
    if (value.IsEmpty() && formula.empty()) continue;
    out << row << ',' << col << '=' << (formula.empty() ? ValueText(value) : formula) << '\n';
  }
  return out.str();
}

std::string ContentsOfSheets(PlanSession& session, std::initializer_list<const char*> codeNames) {
  std::string all;
  for (const char* codeName : codeNames) all += std::string(codeName) + ":\n" + ContentsOf(session.Sheet(codeName));
  return all;
}

}  // namespace korvat::test
