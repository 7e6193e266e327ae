#pragma once
// The period reports refuse a period choice they cannot build, telling the user
// once (flags 48) and leaving the workbook as it is.

#include "reports/period_keys.h"

#include <cstdint>

namespace korvat {

// True for kind 1 with a step of at least 1, kind 2 and kind 3; otherwise the
// user is told and the result is false.
bool AcceptPeriodChoice(std::int64_t kind, std::int64_t step);
// True unless the axis needs more periods than a sheet has columns for; then
// the user is told and the result is false.
bool AcceptPeriodCount(const PeriodKeys& periods);

}  // namespace korvat
