// VARIANT handling as the Windows Automation library does it for the types the
// call layer and the host exchange, answer for answer as the platform gives them
// under wine64 (the tables in tests/platform). Numbers become text with 15
// significant digits, halves round to even, text that is not a number is a type
// mismatch, EMPTY becomes "" or 0, and an object converts through its default
// member. Values the layer cannot hold (CY, DECIMAL, UI8, arrays) are refused.

#include "platform/civil_date.h"
#include "platform/com.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr VARTYPE kRecord = 36;  // VT_RECORD: a valid type that holds no convertible value
constexpr VARTYPE kVector = 0x1000;
constexpr VARTYPE kReserved = 0x8000;

bool IsObjectType(VARTYPE vt) { return vt == VT_DISPATCH || vt == VT_UNKNOWN; }

// The types whose values the layer holds, copies and clears.
bool IsSupported(VARTYPE vt) {
  switch (vt) {
    case VT_EMPTY: case VT_NULL: case VT_I2: case VT_I4: case VT_UI4: case VT_I8: case VT_R4: case VT_R8:
    case VT_DATE: case VT_BOOL: case VT_BSTR: case VT_ERROR: case VT_DISPATCH: case VT_UNKNOWN:
    case VT_INT: case VT_UINT: case VT_UI1: case VT_UI2: case VT_I1:
      return true;
    default:
      return false;
  }
}

// The platform's test of a type before any conversion: a base type below VT_VOID
// (but not 15) or VT_RECORD, by reference or as an array only when the base type
// has a value; no vector or reserved bit.
bool IsValidType(VARTYPE vt) {
  const VARTYPE base = vt & VT_TYPEMASK;
  const VARTYPE extra = vt & ~VT_TYPEMASK;
  if (extra & (kVector | kReserved)) return false;
  if (base >= VT_VOID && base != kRecord) return false;
  if ((extra & (VT_BYREF | VT_ARRAY)) && base <= VT_NULL) return false;
  return base != 15;
}

// Valid types that hold a value the layer has no form for.
bool IsUnheldValue(VARTYPE vt) { return vt == VT_CY || vt == VT_DECIMAL || vt == VT_UI8; }

// A numeric view of a source value.
struct Number {
  enum class Kind { Integer, Real, Radix };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;  // Integer
  double real = 0.0;         // Real
  std::uint64_t radix = 0;   // Radix: the digits of "&H" or "&O" text as an unsigned value
  VARTYPE from = VT_EMPTY;   // single-precision and boolean sources follow rules of their own
  double AsDouble() const { return kind == Kind::Real ? real : static_cast<double>(integer); }
};

Number IntegerNumber(std::int64_t value, VARTYPE from) {
  Number n;
  n.integer = value;
  n.from = from;
  return n;
}

Number RealNumber(double value, VARTYPE from) {
  Number n;
  n.kind = Number::Kind::Real;
  n.real = value;
  n.from = from;
  return n;
}

bool NumberOf(const VARIANT& v, Number& n) {
  switch (v.vt) {
    case VT_EMPTY: n = IntegerNumber(0, v.vt); return true;
    case VT_I1: n = IntegerNumber(v.cVal, v.vt); return true;
    case VT_UI1: n = IntegerNumber(v.bVal, v.vt); return true;
    case VT_I2: n = IntegerNumber(v.iVal, v.vt); return true;
    case VT_UI2: n = IntegerNumber(v.uiVal, v.vt); return true;
    case VT_I4: case VT_INT: n = IntegerNumber(v.lVal, v.vt); return true;
    case VT_UI4: case VT_UINT: n = IntegerNumber(v.ulVal, v.vt); return true;
    case VT_I8: n = IntegerNumber(v.llVal, v.vt); return true;
    case VT_BOOL: n = IntegerNumber(v.boolVal, v.vt); return true;  // the stored value, not only -1 and 0
    case VT_R4: n = RealNumber(v.fltVal, v.vt); return true;
    case VT_R8: n = RealNumber(v.dblVal, v.vt); return true;
    case VT_DATE: n = RealNumber(v.date, v.vt); return true;
    default: return false;
  }
}

struct IntegerRange {
  std::int64_t low;
  std::int64_t high;
  int bits;
  bool isSigned;
};

bool IntegerRangeOf(VARTYPE vt, IntegerRange& range) {
  switch (vt) {
    case VT_I1: range = {-128, 127, 8, true}; return true;
    case VT_UI1: range = {0, 255, 8, false}; return true;
    case VT_I2: range = {-32768, 32767, 16, true}; return true;
    case VT_UI2: range = {0, 65535, 16, false}; return true;
    case VT_I4: case VT_INT: range = {INT32_MIN, INT32_MAX, 32, true}; return true;
    case VT_UI4: case VT_UINT: range = {0, UINT32_MAX, 32, false}; return true;
    case VT_I8: range = {INT64_MIN, INT64_MAX, 64, true}; return true;
    default: return false;
  }
}

// Radix text is an unsigned value: a signed integer type takes the digits of its
// own width as two's complement ("&HFFFF" is -1 as I2), wider values overflow;
// floating and boolean targets take the 32-bit range, with 2^31 as its low end.
HRESULT ResolveRadix(const Number& n, VARTYPE vt, Number& resolved) {
  const std::uint64_t u = n.radix;
  IntegerRange range;
  if (IntegerRangeOf(vt, range)) {
    if (u <= static_cast<std::uint64_t>(range.high)) {
      resolved = IntegerNumber(static_cast<std::int64_t>(u), VT_BSTR);
    } else if (range.isSigned && range.bits < 64 && u < (std::uint64_t{1} << range.bits)) {
      resolved = IntegerNumber(static_cast<std::int64_t>(u) - (std::int64_t{1} << range.bits), VT_BSTR);
    } else {
      return DISP_E_OVERFLOW;
    }
    return S_OK;
  }
  if (u > 0x80000000u) return DISP_E_OVERFLOW;
  resolved = IntegerNumber(u <= 0x7FFFFFFFu ? static_cast<std::int64_t>(u) : -static_cast<std::int64_t>(u), VT_BSTR);
  return S_OK;
}

// Real values round half to even. The range is tested before rounding, with the
// platform's bounds: x.5 past the top overflows, the tie at the bottom rounds in.
// 64-bit targets accept reals only within 2^62, as the platform does.
HRESULT ToInteger(const Number& n, const IntegerRange& range, std::int64_t& out) {
  if (n.kind == Number::Kind::Integer) {
    if (n.integer < range.low || n.integer > range.high) return DISP_E_OVERFLOW;
    out = n.integer;
    return S_OK;
  }
  const double d = n.real;
  if (std::isnan(d)) return DISP_E_OVERFLOW;
  if (range.bits == 64) {
    if (d < -4611686018427387904.0 || d >= 4611686018427387904.0) return DISP_E_OVERFLOW;
  } else if (d < static_cast<double>(range.low) - 0.5 || d >= static_cast<double>(range.high) + 0.5) {
    return DISP_E_OVERFLOW;
  }
  out = static_cast<std::int64_t>(std::nearbyint(d));  // the default rounding: to nearest, ties to even
  return S_OK;
}

void StoreInteger(VARTYPE vt, std::int64_t i, VARIANT& out) {
  switch (vt) {
    case VT_I1: out.cVal = static_cast<CHAR>(i); break;
    case VT_UI1: out.bVal = static_cast<BYTE>(i); break;
    case VT_I2: out.iVal = static_cast<SHORT>(i); break;
    case VT_UI2: out.uiVal = static_cast<USHORT>(i); break;
    case VT_I4: case VT_INT: out.lVal = static_cast<LONG>(i); break;
    case VT_UI4: case VT_UINT: out.ulVal = static_cast<ULONG>(i); break;
    default: out.llVal = i; break;
  }
}

// The oldest and latest dates the platform holds, exclusive: day -657435 and day 2958466.
bool IsDateInRange(double d) { return d > -657435.0 && d < 2958466.0; }

HRESULT FromNumber(const Number& number, VARTYPE vt, VARIANT& out) {
  Number n = number;
  if (n.kind == Number::Kind::Radix) {
    const HRESULT hr = ResolveRadix(number, vt, n);
    if (FAILED(hr)) return hr;
  }
  IntegerRange range;
  if (IntegerRangeOf(vt, range)) {
    // A boolean keeps its stored bits in any integer type, as the platform copies it.
    if (n.from == VT_BOOL) {
      StoreInteger(vt, n.integer, out);
      return S_OK;
    }
    std::int64_t i = 0;
    const HRESULT hr = ToInteger(n, range, i);
    if (SUCCEEDED(hr)) StoreInteger(vt, i, out);
    return hr;
  }
  const double d = n.AsDouble();
  switch (vt) {
    case VT_R4:
      // A single is never out of range of itself; NaN passes the test as the platform's does.
      if (n.from != VT_R4 && std::fabs(d) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
      out.fltVal = static_cast<float>(d);
      return S_OK;
    case VT_R8:
      out.dblVal = d;
      return S_OK;
    case VT_DATE:
      // The platform takes a single as a date unchecked; any other number must lie in range
      // (NaN, which no comparison excludes, passes).
      if (n.from != VT_R4 && (d <= -657435.0 || d >= 2958466.0)) return DISP_E_OVERFLOW;
      out.date = d;
      return S_OK;
    case VT_BOOL:
      out.boolVal = d != 0.0 ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

WideText Widen(const std::string& ascii) { return WideText(ascii.begin(), ascii.end()); }

BSTR AllocWide(const WideText& text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

std::string RealText(double d, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, d);
  std::string text = buffer;
  // Negative zero is written as 0.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) return "0";
  return text;
}

// The time of day of a date as the platform breaks it down: its fraction, nudged
// up against truncation, cut into hours, minutes and seconds, and the rest of a
// second rounded; a time that rounds up to midnight moves the date to the next day.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool nextDay = false;
};

TimeOfDay TimeOfDayOf(double date, double whole) {
  double t = std::fabs(date - whole) + 0.00000000001;
  if (t >= 1.0) t -= 0.00000000001;
  TimeOfDay time;
  t *= 24.0;
  time.hour = static_cast<int>(t);
  t -= time.hour;
  t *= 60.0;
  time.minute = static_cast<int>(t);
  t -= time.minute;
  t *= 60.0;
  time.second = static_cast<int>(t);
  t -= time.second;
  if (t > 0.5 && ++time.second == 60) {
    time.second = 0;
    if (++time.minute == 60) {
      time.minute = 0;
      if (++time.hour == 24) {
        time.hour = 0;
        time.nextDay = true;
      }
    }
  }
  return time;
}

// Date text in the default English form, M/D/YYYY and h:mm:ss AM/PM, as the
// platform writes it: a date whose whole part is zero is a time alone, one with no
// fraction a date alone. Dates before day -657434 or after day 2958465 (and NaN)
// have no text: E_INVALIDARG.
HRESULT DateText(double date, std::string& text) {
  if (!IsDateInRange(date)) return E_INVALIDARG;
  const double whole = date < 0 ? std::ceil(date) : std::floor(date);
  const double partial = date - whole;
  const bool timeOnly = whole == 0.0;
  const bool dateOnly = !timeOnly && partial > -1e-12 && partial < 1e-12;
  const TimeOfDay time = TimeOfDayOf(date, whole);
  // The calendar day is that of the date cut toward zero, so -1.25 is 6 AM of 12/29/1899.
  std::int64_t day = static_cast<std::int64_t>(date) + (time.nextDay ? 1 : 0);
  char buffer[64];
  text.clear();
  if (!timeOnly) {
    const korvat::platform::CivilDate civil = korvat::platform::CivilFromDays(day - korvat::platform::kDateOf1970);
    std::snprintf(buffer, sizeof buffer, "%d/%d/%lld", civil.month, civil.day, static_cast<long long>(civil.year));
    text = buffer;
  }
  if (!dateOnly) {
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", time.hour % 12 == 0 ? 12 : time.hour % 12, time.minute,
                  time.second, time.hour < 12 ? "AM" : "PM");
    if (!text.empty()) text += ' ';
    text += buffer;
  }
  return S_OK;
}

HRESULT ToText(const VARIANT& src, USHORT flags, BSTR& out) {
  std::string text;
  switch (src.vt) {
    case VT_EMPTY: text.clear(); break;
    case VT_BOOL:
      if (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL))
        text = src.boolVal ? "True" : "False";
      else
        text = std::to_string(src.boolVal);
      break;
    case VT_R4: text = RealText(src.fltVal, 7); break;
    case VT_R8: text = RealText(src.dblVal, 15); break;
    case VT_DATE: {
      const HRESULT hr = DateText(src.date, text);
      if (FAILED(hr)) return hr;
      break;
    }
    default: {
      Number n;
      if (!NumberOf(src, n)) return DISP_E_TYPEMISMATCH;
      text = std::to_string(n.integer);
    }
  }
  out = AllocWide(Widen(text));
  return out ? S_OK : E_OUTOFMEMORY;
}

bool IsBlank(OLECHAR c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsDigit(OLECHAR c) { return c >= u'0' && c <= u'9'; }

// "&H" / "&O" digits after the "&" and the letter, as one unsigned value. The
// platform refuses a value once another digit would not fit below 2^64 at the
// shift of its base.
HRESULT ParseRadixDigits(const OLECHAR* text, UINT i, UINT end, Number& n) {
  const OLECHAR kind = text[i];
  const int shift = (kind == u'H' || kind == u'h') ? 4 : (kind == u'O' || kind == u'o') ? 3 : 0;
  if (!shift || ++i == end) return DISP_E_TYPEMISMATCH;
  std::uint64_t value = 0;
  for (; i < end; ++i) {
    const OLECHAR c = text[i];
    unsigned digit;
    if (IsDigit(c)) digit = c - u'0';
    else if (shift == 4 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else if (shift == 4 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else return DISP_E_TYPEMISMATCH;
    if (digit >> shift) return DISP_E_TYPEMISMATCH;
    if (value > (std::numeric_limits<std::uint64_t>::max() >> shift) - digit) return DISP_E_OVERFLOW;
    value = (value << shift) + digit;
  }
  n = Number{};
  n.kind = Number::Kind::Radix;
  n.radix = value;
  n.from = VT_BSTR;
  return S_OK;
}

// Reads a number the way the platform's text parser does for an English locale:
// blanks around it, a sign, digits with thousands separators, a decimal point and
// an exponent; or "&H" / "&O" digits, before which a sign is ignored. Whole
// numbers are read exactly. DISP_E_TYPEMISMATCH when the text is no number,
// DISP_E_OVERFLOW when it is beyond a double.
HRESULT ParseNumberText(const OLECHAR* text, UINT length, Number& n) {
  UINT i = 0;
  while (i < length && IsBlank(text[i])) ++i;
  UINT end = length;
  while (end > i && IsBlank(text[end - 1])) --end;
  if (i == end) return DISP_E_TYPEMISMATCH;
  std::string digits;
  if (text[i] == u'+' || text[i] == u'-') digits += static_cast<char>(text[i++]);
  if (i < end && text[i] == u'&') return ParseRadixDigits(text, i + 1, end, n);
  bool anyDigit = false, seenPoint = false, seenExponent = false;
  for (; i < end; ++i) {
    const OLECHAR c = text[i];
    if (IsDigit(c)) {
      digits += static_cast<char>(c);
      anyDigit = true;
    } else if (c == u',' && !seenPoint && !seenExponent && anyDigit) {
      continue;  // thousands separator
    } else if (c == u'.' && !seenPoint && !seenExponent) {
      digits += '.';
      seenPoint = true;
    } else if ((c == u'e' || c == u'E') && anyDigit && !seenExponent) {
      digits += 'e';
      seenExponent = true;
      if (i + 1 < end && (text[i + 1] == u'+' || text[i + 1] == u'-')) digits += static_cast<char>(text[++i]);
      if (i + 1 >= end) return DISP_E_TYPEMISMATCH;
    } else {
      return DISP_E_TYPEMISMATCH;
    }
  }
  if (!anyDigit) return DISP_E_TYPEMISMATCH;
  char* stop = nullptr;
  if (!seenPoint && !seenExponent) {
    errno = 0;
    const long long whole = std::strtoll(digits.c_str(), &stop, 10);
    if (errno == 0 && stop && *stop == '\0') {
      n = IntegerNumber(whole, VT_BSTR);
      return S_OK;
    }
  }
  const double real = std::strtod(digits.c_str(), &stop);
  if (!stop || *stop != '\0') return DISP_E_TYPEMISMATCH;
  if (!std::isfinite(real)) return DISP_E_OVERFLOW;
  n = RealNumber(real, VT_BSTR);
  return S_OK;
}

bool EqualsWordIgnoringCase(const OLECHAR* text, UINT length, const char* word) {
  const std::size_t wordLength = std::strlen(word);
  if (length != wordLength) return false;
  for (std::size_t k = 0; k < wordLength; ++k) {
    OLECHAR c = text[k];
    if (c >= u'A' && c <= u'Z') c = static_cast<OLECHAR>(c - u'A' + u'a');
    if (c != static_cast<OLECHAR>(word[k])) return false;
  }
  return true;
}

// A cursor over date text, ASCII only.
struct DateCursor {
  const OLECHAR* text;
  UINT length;
  UINT at = 0;

  bool AtEnd() const { return at == length; }
  OLECHAR Peek() const { return at < length ? text[at] : OLECHAR{0}; }
  bool SkipBlanks() {
    const UINT start = at;
    while (at < length && text[at] == u' ') ++at;
    return at != start;
  }
  // Up to nine digits, so that no field can overflow; false when there are none or more.
  bool Digits(int& value, int& count) {
    value = 0;
    count = 0;
    while (at < length && IsDigit(text[at])) {
      if (++count > 9) return false;
      value = value * 10 + (text[at++] - u'0');
    }
    return count > 0;
  }
  bool Take(OLECHAR c) {
    if (Peek() != c) return false;
    ++at;
    return true;
  }
};

int DaysInMonth(std::int64_t year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Three numbers joined by "/" or "-": year first when the first has three or more
// digits or is past 31, else month/day/year. A month past 12 with a day that could
// be one swaps with it; two-digit years are 2000-2049 and 1950-1999; years run from
// 100 to 9999. The day count from 1899-12-30.
bool ReadCalendarDate(DateCursor& in, double& day) {
  int a, b, c, aDigits, bDigits, cDigits;
  if (!in.Digits(a, aDigits)) return false;
  const OLECHAR separator = in.Peek();
  if (separator != u'/' && separator != u'-') return false;
  in.Take(separator);
  if (!in.Digits(b, bDigits) || !in.Take(separator) || !in.Digits(c, cDigits)) return false;
  const bool yearFirst = aDigits >= 3 || a > 31;
  int year = yearFirst ? a : c, month = yearFirst ? b : a, dayOfMonth = yearFirst ? c : b;
  if (month > 12 && dayOfMonth <= 12) std::swap(month, dayOfMonth);
  if (year < 100) year += year < 50 ? 2000 : 1900;
  if (year > 9999 || month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > DaysInMonth(year, month)) return false;
  day = static_cast<double>(korvat::platform::DaysFromCivil(year, month, dayOfMonth) + korvat::platform::kDateOf1970);
  return true;
}

// h:mm or h:mm:ss, then AM or PM if given: 12 AM is midnight, PM adds 12 to an earlier hour.
bool ReadTimeOfDay(DateCursor& in, int& hour, int& minute, int& second) {
  int digits;
  second = 0;
  if (!in.Digits(hour, digits) || !in.Take(u':') || !in.Digits(minute, digits)) return false;
  if (in.Take(u':') && !in.Digits(second, digits)) return false;
  in.SkipBlanks();
  const OLECHAR marker = in.Peek();
  if (marker == u'A' || marker == u'a' || marker == u'P' || marker == u'p') {
    ++in.at;
    if (!in.Take(u'M') && !in.Take(u'm')) return false;
    const bool pm = marker == u'P' || marker == u'p';
    if (!pm && hour == 12) hour = 0;
    if (pm && hour < 12) hour += 12;
  }
  return hour <= 23 && minute <= 59 && second <= 59;
}

// Dates as text: a calendar date, a time of day, or a date and then a time. The
// time adds to the day count part by part, away from zero for days before 1899-12-30.
bool ParseDateText(const OLECHAR* text, UINT length, double& date) {
  for (UINT i = 0; i < length; ++i)
    if (text[i] > 0x7F) return false;
  DateCursor in{text, length};
  in.SkipBlanks();
  double day = 0.0;
  const UINT start = in.at;
  bool hasDate = ReadCalendarDate(in, day);
  if (!hasDate) in.at = start;
  int hour = 0, minute = 0, second = 0;
  bool hasTime = false;
  if (!hasDate || (in.SkipBlanks() && !in.AtEnd())) {
    if (!ReadTimeOfDay(in, hour, minute, second)) return false;
    hasTime = true;
  }
  in.SkipBlanks();
  if (!in.AtEnd() || (!hasDate && !hasTime)) return false;
  const double sign = day < 0.0 ? -1.0 : 1.0;
  date = day;
  date += hour / 24.0 * sign;
  date += minute / 1440.0 * sign;
  date += second / 86400.0 * sign;
  return true;
}

HRESULT FromText(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  const OLECHAR* text = src.bstrVal ? src.bstrVal : u"";
  const UINT length = SysStringLen(src.bstrVal);
  if (vt == VT_DATE) return ParseDateText(text, length, out.date) ? S_OK : DISP_E_TYPEMISMATCH;
  if (vt == VT_BOOL) {
    if (EqualsWordIgnoringCase(text, length, "true") || EqualsWordIgnoringCase(text, length, "#true#")) {
      out.boolVal = VARIANT_TRUE;
      return S_OK;
    }
    if (EqualsWordIgnoringCase(text, length, "false") || EqualsWordIgnoringCase(text, length, "#false#")) {
      out.boolVal = VARIANT_FALSE;
      return S_OK;
    }
  }
  Number n;
  const HRESULT hr = ParseNumberText(text, length, n);
  return FAILED(hr) ? hr : FromNumber(n, vt, out);
}

// An object's value is its default member, read as a property.
HRESULT DefaultValueOf(IDispatch* object, VARIANT& value) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VariantInit(&value);
  return object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                        nullptr);
}

HRESULT ToObject(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  if (!IsObjectType(src.vt)) return DISP_E_TYPEMISMATCH;
  if (!src.punkVal) {
    out.punkVal = nullptr;  // a null object is null in either form
    return S_OK;
  }
  if (vt == VT_DISPATCH && src.vt == VT_UNKNOWN)
    return src.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&out.pdispVal));
  out.punkVal = src.punkVal;
  out.punkVal->AddRef();
  return S_OK;
}

// EMPTY and NULL take any value type through VT_UINT except an error value (and
// EMPTY not NULL); they keep nothing of it.
HRESULT ToNothing(VARTYPE from, VARTYPE vt) {
  if (from == VT_NULL && vt == VT_EMPTY) return DISP_E_TYPEMISMATCH;
  return from <= VT_UINT && from != VT_ERROR && from != 15 ? S_OK : DISP_E_TYPEMISMATCH;
}

// The conversion proper, into a fresh VARIANT of type vt. The source is by value
// (references resolved) and both types passed IsValidType.
HRESULT Convert(const VARIANT& src, USHORT flags, VARTYPE vt, VARIANT& out) {
  VariantInit(&out);
  if ((src.vt & VT_ARRAY) || (vt & (VT_ARRAY | VT_BYREF))) return DISP_E_TYPEMISMATCH;  // no arrays here
  if (vt == src.vt) {
    if (IsSupported(vt)) return VariantCopy(&out, &src);
    if (vt != VT_VARIANT) return DISP_E_BADVARTYPE;
    out = src;  // a VT_VARIANT that is no reference holds nothing to own
    return S_OK;
  }
  HRESULT hr;
  if (vt == VT_EMPTY || vt == VT_NULL) {
    hr = ToNothing(src.vt, vt);
  } else if (IsUnheldValue(src.vt) || IsUnheldValue(vt)) {
    hr = DISP_E_BADVARTYPE;
  } else if (!IsSupported(src.vt) || !IsSupported(vt)) {
    hr = DISP_E_TYPEMISMATCH;  // VT_VARIANT, VT_RECORD, VT_CLSID hold no value to convert
  } else if (IsObjectType(vt)) {
    hr = ToObject(src, vt, out);
  } else if (vt == VT_ERROR) {
    hr = DISP_E_TYPEMISMATCH;  // only an error value is one
  } else if (src.vt == VT_DISPATCH) {
    if (!src.pdispVal) return DISP_E_BADVARTYPE;  // as the platform answers for a null object
    VARIANT value;
    hr = DefaultValueOf(src.pdispVal, value);
    if (SUCCEEDED(hr)) {
      hr = value.vt == VT_DISPATCH ? DISP_E_TYPEMISMATCH : Convert(value, flags, vt, out);
      VariantClear(&value);
    }
    return hr;
  } else if (src.vt == VT_UNKNOWN || src.vt == VT_NULL || src.vt == VT_ERROR) {
    hr = DISP_E_TYPEMISMATCH;
  } else if (vt == VT_BSTR) {
    hr = ToText(src, flags, out.bstrVal);
  } else if (src.vt == VT_BSTR) {
    hr = FromText(src, vt, out);
  } else if ((src.vt == VT_I4 || src.vt == VT_INT || src.vt == VT_UI4 || src.vt == VT_UINT) &&
             (vt == VT_I4 || vt == VT_INT || vt == VT_UI4 || vt == VT_UINT)) {
    out.ulVal = src.ulVal;  // the platform keeps the bits between the 32-bit integer forms
    hr = S_OK;
  } else {
    Number n;
    hr = NumberOf(src, n) ? FromNumber(n, vt, out) : DISP_E_TYPEMISMATCH;
  }
  if (SUCCEEDED(hr)) out.vt = vt;
  return hr;
}

// The value a reference points at, as a VARIANT that shares it (nothing is owned).
// A null reference is a type mismatch; a VARIANT may refer to one more value, not
// to another VARIANT reference.
HRESULT Dereference(const VARIANT& src, VARIANT& value) {
  value = src;
  if (!(src.vt & VT_BYREF)) return S_OK;
  if (!src.byref) return DISP_E_TYPEMISMATCH;
  const VARTYPE base = src.vt & ~VT_BYREF;
  if (base == VT_VARIANT) {
    const VARIANT& inner = *static_cast<const VARIANT*>(src.byref);
    if (inner.vt == (VT_VARIANT | VT_BYREF)) return E_INVALIDARG;
    if (!IsValidType(inner.vt)) return DISP_E_BADVARTYPE;
    return Dereference(inner, value);
  }
  VariantInit(&value);
  value.vt = base;
  std::size_t size = 0;
  switch (base & VT_TYPEMASK) {
    case VT_I1: case VT_UI1: size = 1; break;
    case VT_I2: case VT_UI2: case VT_BOOL: size = 2; break;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR: size = 4; break;
    case VT_I8: case VT_UI8: case VT_R8: case VT_DATE: case VT_CY: size = 8; break;
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: size = sizeof(void*); break;
    default: return DISP_E_BADVARTYPE;  // a value the layer has no form for
  }
  if (base & VT_ARRAY) size = sizeof(void*);
  std::memcpy(&value.llVal, src.byref, size);
  return S_OK;
}

}  // namespace

void VariantInit(VARIANT* v) {
  if (!v) return;
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_INVALIDARG;
  if (!(v->vt & VT_BYREF)) {
    switch (v->vt) {
      case VT_BSTR: SysFreeString(v->bstrVal); break;
      case VT_DISPATCH:
      case VT_UNKNOWN:
        if (v->punkVal) v->punkVal->Release();
        break;
      default:
        if (!IsSupported(v->vt)) return DISP_E_BADVARTYPE;
    }
  }
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_INVALIDARG;
  if (dest == src) return S_OK;
  if (!(src->vt & VT_BYREF) && !IsSupported(src->vt)) return DISP_E_BADVARTYPE;
  HRESULT hr = VariantClear(dest);
  if (FAILED(hr)) return hr;
  *dest = *src;
  if (src->vt == VT_BSTR && src->bstrVal) {
    dest->bstrVal = SysAllocStringByteLen(reinterpret_cast<const char*>(src->bstrVal), SysStringByteLen(src->bstrVal));
    if (!dest->bstrVal) {
      dest->vt = VT_EMPTY;
      return E_OUTOFMEMORY;
    }
  } else if (IsObjectType(src->vt) && src->punkVal) {
    src->punkVal->AddRef();
  }
  return S_OK;
}

HRESULT VariantChangeTypeEx(VARIANT* dest, const VARIANT* src, LCID, USHORT flags, VARTYPE vt) {
  if (!dest || !src) return E_INVALIDARG;
  if (!IsValidType(src->vt) || !IsValidType(vt)) return DISP_E_BADVARTYPE;
  VARIANT value;
  HRESULT hr = Dereference(*src, value);
  VARIANT converted;
  VariantInit(&converted);
  if (SUCCEEDED(hr)) hr = Convert(value, flags, vt, converted);
  if (FAILED(hr)) {
    VariantClear(&converted);
    return hr;
  }
  // Converting in place is allowed: the source is released only after the result exists.
  VariantClear(dest);
  *dest = converted;
  return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt) {
  return VariantChangeTypeEx(dest, src, LOCALE_USER_DEFAULT, flags, vt);
}
