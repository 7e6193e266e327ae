#pragma once
// Dates of the proleptic Gregorian calendar counted in days from 1970-01-01: the
// one conversion between day counts and year, month and day that the platform
// layer, the library and the host all use.

#include <cstdint>

namespace korvat::platform {

struct CivilDate {
  std::int64_t year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

// month 1..12 and day 1..31 as the calendar has them; other values are not checked.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);

// Automation dates count days from 1899-12-30: 1970-01-01 is date 25569.
inline constexpr std::int64_t kDateOf1970 = 25569;

}  // namespace korvat::platform
