// Period keys read back into dates: any text gives no date (0) or a date of a
// year the keys can hold, and a date of those years reads back from its own key.

#include "base/calendar_date.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double date = korvat::ParseYmdDate(text);
  Require(std::isfinite(date) && date == std::floor(date));
  if (date != 0.0) {
    // Years 1900 to 9999, with months and days of two digits rolling over at most a few years.
    const korvat::YearMonthDay ymd = korvat::YmdOf(date);
    Require(ymd.year >= 1898 && ymd.year <= 10009);
    Require(korvat::DateFromYmd(ymd.year, ymd.month, ymd.day) == date);
    if (ymd.year >= 1900 && ymd.year <= 9999) Require(korvat::ParseYmdDate(korvat::FormatDateKey(date)) == date);
  }
  return 0;
}
