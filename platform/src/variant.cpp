// VARIANT handling as the Windows Automation library does it for the types the
// call layer and the host exchange. Conversions follow its rules: numbers become
// text with 15 significant digits, halves round to even, text that is not a
// number is a type mismatch, EMPTY becomes "" or 0, and an object converts
// through its default member.

#include "platform/com.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsObjectType(VARTYPE vt) { return vt == VT_DISPATCH || vt == VT_UNKNOWN; }

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

// A numeric view of a source value: integers stay exact, the rest is a double.
struct Number {
  bool isInteger = false;
  std::int64_t integer = 0;
  double real = 0.0;
  double AsDouble() const { return isInteger ? static_cast<double>(integer) : real; }
};

bool NumberOf(const VARIANT& v, Number& n) {
  switch (v.vt) {
    case VT_EMPTY: n.isInteger = true; n.integer = 0; return true;
    case VT_I1: n.isInteger = true; n.integer = v.cVal; return true;
    case VT_UI1: n.isInteger = true; n.integer = v.bVal; return true;
    case VT_I2: n.isInteger = true; n.integer = v.iVal; return true;
    case VT_UI2: n.isInteger = true; n.integer = v.uiVal; return true;
    case VT_I4: case VT_INT: n.isInteger = true; n.integer = v.lVal; return true;
    case VT_UI4: case VT_UINT: n.isInteger = true; n.integer = v.ulVal; return true;
    case VT_I8: n.isInteger = true; n.integer = v.llVal; return true;
    case VT_BOOL: n.isInteger = true; n.integer = v.boolVal ? -1 : 0; return true;
    case VT_R4: n.real = v.fltVal; return true;
    case VT_R8: n.real = v.dblVal; return true;
    case VT_DATE: n.real = v.date; return true;
    default: return false;
  }
}

// Halves to the even neighbour, as the platform rounds every conversion to an integer.
double RoundHalfEven(double d) {
  double r = std::nearbyint(d);  // default rounding mode is to nearest, ties to even
  return r;
}

HRESULT ToInteger(const Number& n, std::int64_t low, std::int64_t high, std::int64_t& out) {
  if (n.isInteger) {
    if (n.integer < low || n.integer > high) return DISP_E_OVERFLOW;
    out = n.integer;
    return S_OK;
  }
  if (std::isnan(n.real)) return DISP_E_OVERFLOW;
  const double r = RoundHalfEven(n.real);
  if (r < static_cast<double>(low) || r > static_cast<double>(high)) return DISP_E_OVERFLOW;
  if (r >= 9223372036854775808.0) return DISP_E_OVERFLOW;
  out = static_cast<std::int64_t>(r);
  return S_OK;
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

// Date text in the default English form: M/D/YYYY and h:mm:ss AM/PM, each part
// left out when it is zero, as the platform writes dates.
std::string DateText(double date) {
  double whole = std::floor(date);
  double fraction = date - whole;
  if (date < 0) {  // before 1899-12-30 the fraction counts forward from the day
    whole = std::ceil(date);
    fraction = whole - date;
  }
  long long seconds = std::llround(fraction * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    whole += date < 0 ? -1 : 1;
  }
  std::string text;
  if (whole != 0.0 || seconds == 0) {
    SYSTEMTIME st{};
    const long long ticksFrom1601 = (static_cast<long long>(whole) + 109205LL) * 864000000000LL;
    FILETIME ft{static_cast<DWORD>(ticksFrom1601 & 0xFFFFFFFF), static_cast<DWORD>(ticksFrom1601 >> 32)};
    if (ticksFrom1601 < 0 || !FileTimeToSystemTime(&ft, &st)) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%u/%u/%u", st.wMonth, st.wDay, st.wYear);
    text = buffer;
  }
  if (seconds != 0) {
    const int hour = static_cast<int>(seconds / 3600);
    const int minute = static_cast<int>(seconds / 60 % 60);
    const int second = static_cast<int>(seconds % 60);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, minute, second,
                  hour < 12 ? "AM" : "PM");
    if (!text.empty()) text += ' ';
    text += buffer;
  }
  return text;
}

HRESULT ToText(const VARIANT& src, USHORT flags, BSTR& out) {
  std::string text;
  switch (src.vt) {
    case VT_EMPTY: text.clear(); break;
    case VT_BOOL:
      if (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL))
        text = src.boolVal ? "True" : "False";
      else
        text = src.boolVal ? "-1" : "0";
      break;
    case VT_R4: text = RealText(src.fltVal, 7); break;
    case VT_R8: text = RealText(src.dblVal, 15); break;
    case VT_DATE: text = DateText(src.date); break;
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

// Reads a number the way the platform's text parser does for an English locale:
// blanks around it, a sign, digits with thousands separators, a decimal point,
// an exponent, or &H / &O integers.
bool ParseNumberText(const OLECHAR* text, UINT length, Number& n) {
  UINT i = 0;
  while (i < length && IsBlank(text[i])) ++i;
  UINT end = length;
  while (end > i && IsBlank(text[end - 1])) --end;
  if (i == end) return false;
  if (text[i] == u'&' && i + 1 < end) {
    const OLECHAR kind = text[i + 1];
    int base = (kind == u'H' || kind == u'h') ? 16 : (kind == u'O' || kind == u'o') ? 8 : 0;
    if (!base) return false;
    std::int64_t value = 0;
    UINT j = i + 2;
    if (j == end) return false;
    for (; j < end; ++j) {
      int digit;
      const OLECHAR c = text[j];
      if (c >= u'0' && c <= u'9') digit = c - u'0';
      else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
      else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
      else return false;
      if (digit >= base) return false;
      value = value * base + digit;
      if (value > 0xFFFFFFFFLL) return false;
    }
    // Hexadecimal and octal literals are 32-bit values, so &HFFFFFFFF is -1.
    n.isInteger = true;
    n.integer = value > 0x7FFFFFFFLL ? value - 0x100000000LL : value;
    return true;
  }
  std::string digits;
  if (text[i] == u'+' || text[i] == u'-') digits += static_cast<char>(text[i++]);
  bool anyDigit = false, seenPoint = false, seenExponent = false;
  for (; i < end; ++i) {
    const OLECHAR c = text[i];
    if (c >= u'0' && c <= u'9') {
      digits += static_cast<char>(c);
      anyDigit = true;
    } else if (c == u',' && !seenPoint && !seenExponent && anyDigit) {
      continue;  // thousands separator
    } else if (c == u'.' && !seenPoint && !seenExponent) {
      digits += '.';
      seenPoint = true;
    } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && anyDigit && !seenExponent) {
      digits += 'e';
      seenExponent = true;
      if (i + 1 < end && (text[i + 1] == u'+' || text[i + 1] == u'-')) digits += static_cast<char>(text[++i]);
      if (i + 1 >= end) return false;
    } else {
      return false;
    }
  }
  if (!anyDigit) return false;
  char* stop = nullptr;
  n.isInteger = false;
  n.real = std::strtod(digits.c_str(), &stop);
  return stop && *stop == '\0' && std::isfinite(n.real);
}

bool EqualsWordIgnoringCase(const OLECHAR* text, UINT length, const char* word) {
  UINT i = 0;
  while (i < length && IsBlank(text[i])) ++i;
  UINT end = length;
  while (end > i && IsBlank(text[end - 1])) --end;
  const std::size_t wordLength = std::strlen(word);
  if (end - i != wordLength) return false;
  for (std::size_t k = 0; k < wordLength; ++k) {
    OLECHAR c = text[i + k];
    if (c >= u'A' && c <= u'Z') c = static_cast<OLECHAR>(c - u'A' + u'a');
    if (c != static_cast<OLECHAR>(word[k])) return false;
  }
  return true;
}

// Dates as text: Y/M/D or Y-M-D with a four-digit year, or M/D/Y, then an
// optional time h:mm[:ss] with AM/PM; or a time alone.
bool ParseDateText(const OLECHAR* text, UINT length, double& date) {
  std::string s;
  for (UINT i = 0; i < length; ++i) {
    if (text[i] > 0x7F) return false;
    s += static_cast<char>(text[i]);
  }
  int a = 0, b = 0, c = 0, hour = 0, minute = 0, second = 0, used = 0;
  char sep1 = 0, sep2 = 0;
  const char* p = s.c_str();
  while (*p == ' ') ++p;
  bool hasDate = false;
  if (std::sscanf(p, "%d%c%d%c%d%n", &a, &sep1, &b, &sep2, &c, &used) == 5 && sep1 == sep2 &&
      (sep1 == '/' || sep1 == '-')) {
    hasDate = true;
    p += used;
  }
  bool hasTime = false;
  while (*p == ' ') ++p;
  if (*p) {
    used = 0;
    if (std::sscanf(p, "%d:%d:%d%n", &hour, &minute, &second, &used) == 3 ||
        (second = 0, std::sscanf(p, "%d:%d%n", &hour, &minute, &used) == 2)) {
      hasTime = true;
      p += used;
      while (*p == ' ') ++p;
      if ((p[0] == 'A' || p[0] == 'a' || p[0] == 'P' || p[0] == 'p') && (p[1] == 'M' || p[1] == 'm')) {
        if (hour < 1 || hour > 12) return false;
        const bool pm = p[0] == 'P' || p[0] == 'p';
        hour = hour % 12 + (pm ? 12 : 0);
        p += 2;
      }
      while (*p == ' ') ++p;
    }
    if (*p) return false;
  }
  if (!hasDate && !hasTime) return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
  double day = 0.0;
  if (hasDate) {
    int year = a, month = b, dayOfMonth = c;
    if (a <= 31 && sep1 == '/') {  // month/day/year
      month = a;
      dayOfMonth = b;
      year = c < 100 ? (c < 30 ? 2000 + c : 1900 + c) : c;
    }
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(dayOfMonth);
    FILETIME ft;
    if (year < 1601 || year > 9999 || !SystemTimeToFileTime(&st, &ft)) return false;
    const std::uint64_t ticks = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    day = static_cast<double>(ticks / 864000000000ULL) - 109205.0;
  }
  date = day + (hour * 3600 + minute * 60 + second) / 86400.0;
  return true;
}

HRESULT FromText(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  const OLECHAR* text = src.bstrVal ? src.bstrVal : u"";
  const UINT length = SysStringLen(src.bstrVal);
  if (vt == VT_BOOL) {
    if (EqualsWordIgnoringCase(text, length, "true")) { out.boolVal = VARIANT_TRUE; return S_OK; }
    if (EqualsWordIgnoringCase(text, length, "false")) { out.boolVal = VARIANT_FALSE; return S_OK; }
    Number n;
    if (!ParseNumberText(text, length, n)) return DISP_E_TYPEMISMATCH;
    out.boolVal = n.AsDouble() != 0.0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  if (vt == VT_DATE) {
    Number n;
    if (ParseDateText(text, length, out.date)) return S_OK;
    if (!ParseNumberText(text, length, n)) return DISP_E_TYPEMISMATCH;
    out.date = n.AsDouble();
    return S_OK;
  }
  Number n;
  if (!ParseNumberText(text, length, n)) return DISP_E_TYPEMISMATCH;
  VARIANT number;
  number.vt = VT_R8;
  number.dblVal = n.AsDouble();
  if (n.isInteger) {
    number.vt = VT_I8;
    number.llVal = n.integer;
  }
  return VariantChangeType(&out, &number, 0, vt);
}

HRESULT FromNumber(const Number& n, VARTYPE vt, VARIANT& out) {
  std::int64_t i = 0;
  HRESULT hr = S_OK;
  switch (vt) {
    case VT_I1: hr = ToInteger(n, -128, 127, i); out.cVal = static_cast<CHAR>(i); break;
    case VT_UI1: hr = ToInteger(n, 0, 255, i); out.bVal = static_cast<BYTE>(i); break;
    case VT_I2: hr = ToInteger(n, -32768, 32767, i); out.iVal = static_cast<SHORT>(i); break;
    case VT_UI2: hr = ToInteger(n, 0, 65535, i); out.uiVal = static_cast<USHORT>(i); break;
    case VT_I4: case VT_INT: hr = ToInteger(n, INT32_MIN, INT32_MAX, i); out.lVal = static_cast<LONG>(i); break;
    case VT_UI4: case VT_UINT: hr = ToInteger(n, 0, UINT32_MAX, i); out.ulVal = static_cast<ULONG>(i); break;
    case VT_I8: hr = ToInteger(n, INT64_MIN, INT64_MAX, i); out.llVal = i; break;
    case VT_R4: {
      const double d = n.AsDouble();
      if (std::fabs(d) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
      out.fltVal = static_cast<float>(d);
      break;
    }
    case VT_R8: out.dblVal = n.AsDouble(); break;
    case VT_DATE: {
      const double d = n.AsDouble();
      if (d < -657434.0 || d >= 2958466.0) return DISP_E_OVERFLOW;
      out.date = d;
      break;
    }
    case VT_BOOL: out.boolVal = n.AsDouble() != 0.0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    default: return DISP_E_TYPEMISMATCH;
  }
  return hr;
}

// An object's value is its default member, read as a property.
HRESULT DefaultValueOf(IDispatch* object, VARIANT& value) {
  if (!object) return DISP_E_TYPEMISMATCH;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VariantInit(&value);
  return object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                        nullptr);
}

HRESULT ToObject(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  if (!IsObjectType(src.vt)) return DISP_E_TYPEMISMATCH;
  if (!src.punkVal) {
    out.punkVal = nullptr;
    return vt == VT_DISPATCH && src.vt == VT_UNKNOWN ? E_NOINTERFACE : S_OK;
  }
  if (vt == VT_DISPATCH && src.vt == VT_UNKNOWN)
    return src.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&out.pdispVal));
  out.punkVal = src.punkVal;
  out.punkVal->AddRef();
  return S_OK;
}

// The conversion proper, into a fresh VARIANT of type vt.
HRESULT Convert(const VARIANT& src, USHORT flags, VARTYPE vt, VARIANT& out) {
  VariantInit(&out);
  if (vt == src.vt) return VariantCopy(&out, &src);
  if (vt == VT_EMPTY) return S_OK;
  HRESULT hr;
  if (IsObjectType(vt)) {
    hr = ToObject(src, vt, out);
  } else if (src.vt == VT_DISPATCH) {
    VARIANT value;
    hr = DefaultValueOf(src.pdispVal, value);
    if (SUCCEEDED(hr)) {
      hr = value.vt == VT_DISPATCH ? DISP_E_TYPEMISMATCH : Convert(value, flags, vt, out);
      VariantClear(&value);
    }
    return hr;
  } else if (src.vt == VT_UNKNOWN || src.vt == VT_NULL || src.vt == VT_ERROR || vt == VT_NULL || vt == VT_ERROR) {
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
  if ((src->vt & (VT_BYREF | VT_ARRAY)) || (vt & (VT_BYREF | VT_ARRAY))) return DISP_E_BADVARTYPE;
  if (!IsSupported(src->vt) || !IsSupported(vt)) return DISP_E_BADVARTYPE;
  VARIANT converted;
  const HRESULT hr = Convert(*src, flags, vt, converted);
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
