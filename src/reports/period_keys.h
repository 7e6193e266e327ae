#pragma once
// The time axis of the period reports: one key per period, "yyyy/mm/dd" for days
// and weeks, "yyyy/mm" for months, from the timeline's start to the last date the
// report covers. The first period starts at the timeline's start, every other
// one at the midnight of its key; the last one ends on the last date.

#include <cstdint>
#include <string>
#include <vector>

namespace korvat {

enum class PeriodKind : std::int64_t { Days = 1, Weeks = 2, Months = 3 };

// More keys than the columns after B of a sheet are never built.
constexpr std::size_t kMaxPeriods = 16382;

struct PeriodKeys {
  std::vector<std::string> keys;
  bool tooMany = false;  // the axis would need more than kMaxPeriods keys; keys is then empty
};

// Kind 1 (periods of step days, step at least 1), 2 (weeks from Monday) or 3
// (calendar months; the step is not used for 2 and 3).
bool PeriodChoiceUsable(std::int64_t kind, std::int64_t step);

// The keys from start to last: days every step days from start; weeks from the
// Monday on or before start, every 7 days; months from start's month. The first
// key is always there (also when last is earlier); the others while their date,
// with start's time of day, is not after last. An unusable choice gives no key.
PeriodKeys BuildPeriodKeys(std::int64_t kind, std::int64_t step, double start, double last);

// Where period i (0-based) begins: start for the first, its key's date else.
double PeriodStart(const PeriodKeys& periods, std::size_t i, double start);
// Where the period after i begins: the next key's date, or last + 1 after the
// last period.
double NextPeriodStart(const PeriodKeys& periods, std::size_t i, double last);

// Monday 1 ... Sunday 7.
std::int64_t WeekdayFromMonday(double date);

}  // namespace korvat
