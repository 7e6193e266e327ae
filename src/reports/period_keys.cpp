#include "reports/period_keys.h"

#include "base/calendar_date.h"
#include "base/day_counting.h"
#include "base/minute_math.h"

#include <cmath>

namespace korvat {
namespace {

// Collects keys while next() gives dates not after last, at most kMaxPeriods.
template <typename Next, typename Key>
PeriodKeys Walk(double first, double last, Next next, Key key) {
  PeriodKeys periods;
  periods.keys.push_back(key(first));
  for (double d = next(first); d <= last; d = next(d)) {
    if (periods.keys.size() == kMaxPeriods) return {{}, true};
    periods.keys.push_back(key(d));
  }
  return periods;
}

double FirstOfNextMonth(double date) {
  const YearMonthDay d = YmdOf(date);
  return DateFromYmd(d.year, d.month + 1, 1) + TimeOfDay(date);
}

}  // namespace

bool PeriodChoiceUsable(std::int64_t kind, std::int64_t step) {
  switch (static_cast<PeriodKind>(kind)) {
    case PeriodKind::Days: return step >= 1;
    case PeriodKind::Weeks:
    case PeriodKind::Months: return true;
  }
  return false;
}

std::int64_t WeekdayFromMonday(double date) {
  // DateSerial 2 is Monday 1900-01-01.
  const auto days = static_cast<std::int64_t>(WholeDays(date + kTimeGuard)) - 2;
  return (days % 7 + 7) % 7 + 1;
}

PeriodKeys BuildPeriodKeys(std::int64_t kind, std::int64_t step, double start, double last) {
  if (!PeriodChoiceUsable(kind, step) || !std::isfinite(start) || !std::isfinite(last)) return {};
  switch (static_cast<PeriodKind>(kind)) {
    case PeriodKind::Days:
      return Walk(DateAfterDays(start, 1, 1), last, [step](double d) { return DateAfterDays(d, step + 1, 1); },
                  FormatDateKey);
    case PeriodKind::Weeks: {
      const double monday = start - static_cast<double>(WeekdayFromMonday(start) - 1);
      return Walk(monday, last, [](double d) { return d + 7.0; }, FormatDateKey);
    }
    case PeriodKind::Months:
      return Walk(start, last, FirstOfNextMonth, FormatMonthKey);
  }
  return {};
}

double PeriodStart(const PeriodKeys& periods, std::size_t i, double start) {
  return i == 0 ? start : ParseYmdDate(periods.keys[i]);
}

double NextPeriodStart(const PeriodKeys& periods, std::size_t i, double last) {
  return i + 1 >= periods.keys.size() ? last + 1.0 : ParseYmdDate(periods.keys[i + 1]);
}

}  // namespace korvat
