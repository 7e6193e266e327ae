#include "automation/date_conversion.h"

#include <cmath>

namespace korvat {
namespace {
constexpr std::uint64_t kTicksPerDay = 864000000000ULL;
constexpr std::uint64_t kTicksTo1899 = 94353120000000000ULL;  // 1601-01-01 .. 1899-12-30
constexpr std::uint64_t kMaxFileTime = 0x24C85A5ED1C03FFFULL;
constexpr double kUnixEpochDate = 25569.0;                     // 1970-01-01
constexpr std::int64_t kLastSecond = 253402300799LL;           // 9999-12-31 23:59:59
constexpr double kDayAfterLastDate = 2958466.0;                // 10000-01-01

std::uint64_t Ticks(const FILETIME& ft) {
  return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

HRESULT LastPlatformError() {
  const HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
  return FAILED(hr) ? hr : E_FAIL;
}
}  // namespace

double DateFromLinearDays(double days) { return days < 0 ? 2 * std::floor(days) - days : days; }

double LinearDaysFromDate(double date) { return date < 0 ? 2 * std::ceil(date) - date : date; }

HRESULT FileTimeToDate(const FILETIME& fileTime, double* date) {
  if (!date) return E_INVALIDARG;
  const std::uint64_t ticks = Ticks(fileTime);
  if (ticks > kMaxFileTime - 500) return E_INVALIDARG;
  const double days = (static_cast<double>(static_cast<std::int64_t>(ticks + 500 - kTicksTo1899))) /
                      static_cast<double>(kTicksPerDay);
  *date = DateFromLinearDays(days);
  return S_OK;
}

HRESULT DateToFileTime(double date, FILETIME* fileTime) {
  if (!fileTime) return E_INVALIDARG;
  const double days = LinearDaysFromDate(date);
  // Only days a FILETIME can count (NaN is none of them), so the tick count below fits.
  constexpr double kLastFileTimeDay = static_cast<double>(kMaxFileTime - kTicksTo1899) / kTicksPerDay;
  if (!(days >= -109205.0 && days < kLastFileTimeDay)) return E_INVALIDARG;
  const std::uint64_t ticks =
      static_cast<std::uint64_t>(static_cast<std::int64_t>(days * static_cast<double>(kTicksPerDay))) + kTicksTo1899;
  fileTime->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
  fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return S_OK;
}

HRESULT SystemTimeToDate(const SYSTEMTIME& systemTime, double* date) {
  if (!date) return E_INVALIDARG;
  FILETIME ft;
  if (!SystemTimeToFileTime(&systemTime, &ft)) return LastPlatformError();
  return FileTimeToDate(ft, date);
}

HRESULT DateToSystemTime(double date, SYSTEMTIME* systemTime) {
  if (!systemTime) return E_INVALIDARG;
  FILETIME ft;
  const HRESULT hr = DateToFileTime(date, &ft);
  if (FAILED(hr)) return hr;
  SYSTEMTIME st;
  if (!FileTimeToSystemTime(&ft, &st)) return LastPlatformError();
  *systemTime = st;
  return S_OK;
}

HRESULT DateToTimeT(double date, std::int64_t* seconds) {
  if (!seconds) return E_INVALIDARG;
  // From 1970 to the last second the host's dates hold; NaN is no date.
  if (!(date >= kUnixEpochDate && date < kDayAfterLastDate)) return E_INVALIDARG;
  const auto asUtc = static_cast<std::int64_t>((date - kUnixEpochDate) * 86400.0 + 0.5);
  std::tm parts{};
  if (!platform::BreakDownUtc(asUtc, parts)) return E_FAIL;
  parts.tm_isdst = -1;  // the local conversion decides
  std::int64_t local = 0;
  if (!platform::MakeLocalTime(parts, local)) return E_FAIL;
  *seconds = local;
  return S_OK;
}

HRESULT TimeTToDate(std::int64_t seconds, double* date) {
  if (!date) return E_INVALIDARG;
  std::tm local{}, utc{};
  if (!platform::BreakDownLocal(seconds, local) || !platform::BreakDownUtc(seconds, utc)) return E_FAIL;
  local.tm_isdst = 0;
  utc.tm_isdst = 0;
  std::int64_t localSeconds = 0, utcSeconds = 0;
  if (!platform::MakeLocalTime(local, localSeconds) || !platform::MakeLocalTime(utc, utcSeconds)) return E_FAIL;
  const std::int64_t shifted = seconds + (localSeconds - utcSeconds);
  if (shifted > kLastSecond) return E_INVALIDARG;
  *date = static_cast<double>(shifted) / 86400.0 + kUnixEpochDate;
  return S_OK;
}

}  // namespace korvat
