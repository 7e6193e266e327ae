#include "host/render/serial_date.h"

#include <cmath>

namespace korvat::host::render {
namespace {

constexpr double kLastSerial = 2958466.0;  // 10000-01-01

// Proleptic Gregorian date of a count of days since 1970-01-01.
void CivilFromDays(int64_t z, int* y, int* m, int* d) {
  z += 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = static_cast<int>(yoe + era * 400 + (*m <= 2 ? 1 : 0));
}

}  // namespace

bool SplitSerial(double serial, DateParts* parts) {
  if (!std::isfinite(serial) || serial < 0.0 || serial >= kLastSerial) return false;
  int64_t seconds = static_cast<int64_t>(std::llround(serial * 86400.0));
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  parts->totalSeconds = seconds;
  parts->hour = static_cast<int>(rest / 3600);
  parts->minute = static_cast<int>(rest / 60 % 60);
  parts->second = static_cast<int>(rest % 60);
  parts->weekday = static_cast<int>((days + 6) % 7);
  if (days == 0) {
    parts->year = 1900, parts->month = 1, parts->day = 0;
  } else if (days == 60) {
    parts->year = 1900, parts->month = 2, parts->day = 29;
  } else {
    // 1899-12-30 is 25569 days before 1970-01-01; before the fictitious day the host counts
    // from one day later.
    int64_t fromEpoch = days - 25569 + (days < 60 ? 1 : 0);
    CivilFromDays(fromEpoch, &parts->year, &parts->month, &parts->day);
  }
  return true;
}

}  // namespace korvat::host::render
