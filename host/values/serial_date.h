#pragma once
// The parts of a date-time serial as the host counts them: days since 1899-12-30, with the
// host's fictitious 29 February 1900 (serial 60) and its day 0 shown as 1900-01-00.

#include <cstdint>

namespace korvat::host {

struct DateParts {
  int year = 1900, month = 1, day = 0;
  int weekday = 0;  // 0 Sunday .. 6 Saturday
  int64_t totalSeconds = 0;  // of the whole serial, rounded to the second
  int hour = 0, minute = 0, second = 0;
};

// False for a serial the host cannot show as a date (negative or past 9999-12-31).
bool SplitSerial(double serial, DateParts* parts);

}  // namespace korvat::host
