#include "host/automation/variant_values.h"

#include "host/automation/wide_utf8.h"
#include "platform/variant_owner.h"

#include <cmath>

namespace korvat::host::automation {
namespace {

constexpr SCODE kErrorBase = static_cast<SCODE>(0x800A0000u);

struct ErrorCode {
  CellError error;
  int code;
};
constexpr ErrorCode kErrorCodes[] = {
    {CellError::Null, 2000}, {CellError::Div0, 2007}, {CellError::Value, 2015}, {CellError::Ref, 2023},
    {CellError::Name, 2029}, {CellError::Num, 2036},  {CellError::NA, 2042},
};

// A VARIANT converted to the type; nothing when the platform refuses.
std::optional<VariantOwner> Converted(const VARIANT& v, VARTYPE type) {
  VariantOwner out;
  if (FAILED(VariantChangeType(out.Get(), const_cast<VARIANT*>(&v), VARIANT_ALPHABOOL, type))) return std::nullopt;
  return out;
}

// Stores a value built here into the caller's result.
void Store(VARIANT* result, VariantOwner value) { value.MoveTo(result); }

}  // namespace

SCODE ErrorScode(CellError error) {
  for (const ErrorCode& e : kErrorCodes)
    if (e.error == error) return kErrorBase | e.code;
  return kErrorBase | 2015;
}

std::optional<CellError> ErrorFromScode(SCODE scode) {
  for (const ErrorCode& e : kErrorCodes)
    if (scode == (kErrorBase | e.code)) return e.error;
  return std::nullopt;
}

bool IsMissing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

std::optional<double> ToDouble(const VARIANT& v) {
  if (IsMissing(v)) return std::nullopt;
  double number = v.dblVal;
  if (v.vt != VT_R8) {
    const auto c = Converted(v, VT_R8);
    if (!c) return std::nullopt;
    number = (*c)->dblVal;
  }
  // The host takes no infinity or NaN for a position, a size or an argument.
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<std::int32_t> ToInt(const VARIANT& v) {
  if (v.vt == VT_I4) return v.lVal;
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_I4);
  return c ? std::optional<std::int32_t>((*c)->lVal) : std::nullopt;
}

std::optional<bool> ToBool(const VARIANT& v) {
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_BOOL);
  return c ? std::optional<bool>((*c)->boolVal != VARIANT_FALSE) : std::nullopt;
}

std::optional<std::string> ToText(const VARIANT& v) {
  if (v.vt == VT_BSTR) return WideToUtf8(WideView(v.bstrVal ? v.bstrVal : KV_W(""), SysStringLen(v.bstrVal)));
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_BSTR);
  if (!c) return std::nullopt;
  return WideToUtf8(WideView((*c)->bstrVal ? (*c)->bstrVal : KV_W(""), SysStringLen((*c)->bstrVal)));
}

CellValue ToCellValue(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return CellValue::Empty();
    case VT_BOOL:
      return CellValue::Boolean(v.boolVal != VARIANT_FALSE);
    case VT_BSTR:
      return CellValue::Text(*ToText(v));
    case VT_ERROR:
      if (const auto e = ErrorFromScode(v.scode)) return CellValue::Error(*e);
      return CellValue::Empty();
    default:
      if (const auto d = ToDouble(v)) return CellValue::Number(*d);
      // A number no cell can hold shows as #NUM!, as a formula giving it would.
      if (v.vt == VT_R8 || v.vt == VT_R4) return CellValue::Error(CellError::Num);
      return CellValue::Empty();
  }
}

void SetEmpty(VARIANT* result) { Store(result, VariantOwner()); }

void SetNull(VARIANT* result) {
  VariantOwner value;
  value->vt = VT_NULL;
  Store(result, std::move(value));
}

void SetNumber(VARIANT* result, double number) {
  VariantOwner value;
  value->vt = VT_R8;
  value->dblVal = number;
  Store(result, std::move(value));
}

void SetInt(VARIANT* result, std::int32_t number) {
  VariantOwner value;
  value->vt = VT_I4;
  value->lVal = number;
  Store(result, std::move(value));
}

void SetBool(VARIANT* result, bool flag) {
  VariantOwner value;
  value->vt = VT_BOOL;
  value->boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
  Store(result, std::move(value));
}

void SetText(VARIANT* result, std::string_view utf8) {
  if (!result) return;
  VariantOwner value;
  value->vt = VT_BSTR;
  value->bstrVal = NewBstr(utf8);
  Store(result, std::move(value));
}

void SetCellValue(VARIANT* result, const CellValue& value) {
  if (!result) return;
  switch (value.kind) {
    case CellValue::Kind::Empty: SetEmpty(result); return;
    case CellValue::Kind::Number: SetNumber(result, value.number); return;
    case CellValue::Kind::Text: SetText(result, value.text); return;
    case CellValue::Kind::Boolean: SetBool(result, value.AsBool()); return;
    case CellValue::Kind::Error: {
      VariantOwner error;
      error->vt = VT_ERROR;
      error->scode = ErrorScode(value.error);
      Store(result, std::move(error));
      return;
    }
  }
}

void SetObject(VARIANT* result, ComRef<IDispatch> object) {
  VariantOwner value;
  value->vt = VT_DISPATCH;
  value->pdispVal = object.Detach();
  Store(result, std::move(value));
}

void SetUnknown(VARIANT* result, ComRef<IUnknown> object) {
  VariantOwner value;
  value->vt = VT_UNKNOWN;
  value->punkVal = object.Detach();
  Store(result, std::move(value));
}

}  // namespace korvat::host::automation
