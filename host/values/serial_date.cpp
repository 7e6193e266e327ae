#include "host/values/serial_date.h"

#include <cmath>

#include "platform/civil_date.h"

namespace korvat::host {
namespace {

constexpr double kLastSerial = 2958466.0;  // 10000-01-01

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
    const platform::CivilDate date = platform::CivilFromDays(days - platform::kDateOf1970 + (days < 60 ? 1 : 0));
    parts->year = static_cast<int>(date.year);
    parts->month = date.month;
    parts->day = date.day;
  }
  return true;
}

}  // namespace korvat::host
