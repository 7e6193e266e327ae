// COM entry points without a COM runtime: apartments need no set-up and no class
// is registered, so creation and binding report the codes of an unknown class.

#include "platform/com.h"
#include "platform/civil_date.h"

const IID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace {
thread_local DWORD lastError = 0;
}

HRESULT CoInitialize(void*) { return S_OK; }
void CoUninitialize() {}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
  if (!progId || !clsid) return E_INVALIDARG;
  *clsid = IID_NULL;
  return CO_E_CLASSSTRING;
}

HRESULT CLSIDFromString(LPCOLESTR text, CLSID* clsid) {
  if (!text || !clsid) return E_INVALIDARG;
  *clsid = IID_NULL;
  return CO_E_CLASSSTRING;
}

HRESULT CoGetClassObject(REFCLSID, DWORD, COSERVERINFO*, REFIID, void** object) {
  if (object) *object = nullptr;
  return REGDB_E_CLASSNOTREG;
}

HRESULT CoGetObject(LPCOLESTR name, void*, REFIID, void** object) {
  if (object) *object = nullptr;
  return name ? MK_E_UNAVAILABLE : E_INVALIDARG;
}

HRESULT GetActiveObject(REFCLSID, void*, IUnknown** object) {
  if (object) *object = nullptr;
  return MK_E_UNAVAILABLE;
}

DWORD GetLastError() { return lastError; }

namespace {

constexpr std::int64_t kTicksPerDay = 864000000000LL;  // 100 ns units
constexpr std::int64_t kMaxFileTime = 0x7FFFFFFFFFFFFFFFLL;

constexpr std::int64_t kDaysFrom1601To1970 = 134774;

}  // namespace

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime) {
  if (!fileTime || !systemTime) return FALSE;
  const std::uint64_t ticks = (static_cast<std::uint64_t>(fileTime->dwHighDateTime) << 32) | fileTime->dwLowDateTime;
  if (ticks > static_cast<std::uint64_t>(kMaxFileTime)) {
    lastError = 87;  // ERROR_INVALID_PARAMETER
    return FALSE;
  }
  const std::int64_t days = static_cast<std::int64_t>(ticks / kTicksPerDay);
  std::int64_t rest = static_cast<std::int64_t>(ticks % kTicksPerDay);
  const korvat::platform::CivilDate date = korvat::platform::CivilFromDays(days - kDaysFrom1601To1970);
  systemTime->wYear = static_cast<WORD>(date.year);
  systemTime->wMonth = static_cast<WORD>(date.month);
  systemTime->wDay = static_cast<WORD>(date.day);
  systemTime->wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
  systemTime->wHour = static_cast<WORD>(rest / 36000000000LL);
  rest %= 36000000000LL;
  systemTime->wMinute = static_cast<WORD>(rest / 600000000LL);
  rest %= 600000000LL;
  systemTime->wSecond = static_cast<WORD>(rest / 10000000LL);
  rest %= 10000000LL;
  systemTime->wMilliseconds = static_cast<WORD>(rest / 10000LL);
  return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* st, FILETIME* fileTime) {
  if (!st || !fileTime) return FALSE;
  static const unsigned kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (st->wYear % 4 == 0 && st->wYear % 100 != 0) || st->wYear % 400 == 0;
  const bool validMonth = st->wMonth >= 1 && st->wMonth <= 12;
  const unsigned monthDays = validMonth ? kDaysInMonth[st->wMonth - 1] + (st->wMonth == 2 && leap ? 1 : 0) : 0;
  if (st->wYear < 1601 || st->wYear > 30827 || !validMonth || st->wDay < 1 || st->wDay > monthDays ||
      st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59 || st->wMilliseconds > 999) {
    lastError = 87;
    return FALSE;
  }
  const std::int64_t days = korvat::platform::DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kDaysFrom1601To1970;
  const std::uint64_t ticks = static_cast<std::uint64_t>(days) * kTicksPerDay +
                              static_cast<std::uint64_t>(st->wHour) * 36000000000ULL +
                              static_cast<std::uint64_t>(st->wMinute) * 600000000ULL +
                              static_cast<std::uint64_t>(st->wSecond) * 10000000ULL +
                              static_cast<std::uint64_t>(st->wMilliseconds) * 10000ULL;
  fileTime->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
  fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return TRUE;
}
