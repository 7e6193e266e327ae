#include "host/automation/variant_values.h"

#include "host/automation/wide_utf8.h"

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
std::optional<VARIANT> Converted(const VARIANT& v, VARTYPE type) {
  VARIANT out;
  VariantInit(&out);
  if (FAILED(VariantChangeType(&out, const_cast<VARIANT*>(&v), VARIANT_ALPHABOOL, type))) return std::nullopt;
  return out;
}

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
  if (v.vt == VT_R8) return v.dblVal;
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_R8);
  return c ? std::optional<double>(c->dblVal) : std::nullopt;
}

std::optional<std::int32_t> ToInt(const VARIANT& v) {
  if (v.vt == VT_I4) return v.lVal;
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_I4);
  return c ? std::optional<std::int32_t>(c->lVal) : std::nullopt;
}

std::optional<bool> ToBool(const VARIANT& v) {
  if (IsMissing(v)) return std::nullopt;
  const auto c = Converted(v, VT_BOOL);
  return c ? std::optional<bool>(c->boolVal != VARIANT_FALSE) : std::nullopt;
}

std::optional<std::string> ToText(const VARIANT& v) {
  if (v.vt == VT_BSTR) return WideToUtf8(WideView(v.bstrVal ? v.bstrVal : KV_W(""), SysStringLen(v.bstrVal)));
  if (IsMissing(v)) return std::nullopt;
  auto c = Converted(v, VT_BSTR);
  if (!c) return std::nullopt;
  std::string text = WideToUtf8(WideView(c->bstrVal ? c->bstrVal : KV_W(""), SysStringLen(c->bstrVal)));
  VariantClear(&*c);
  return text;
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
      return CellValue::Empty();
  }
}

void SetEmpty(VARIANT* result) {
  if (result) VariantClear(result);
}

void SetNumber(VARIANT* result, double value) {
  if (!result) return;
  VariantClear(result);
  result->vt = VT_R8;
  result->dblVal = value;
}

void SetInt(VARIANT* result, std::int32_t value) {
  if (!result) return;
  VariantClear(result);
  result->vt = VT_I4;
  result->lVal = value;
}

void SetBool(VARIANT* result, bool value) {
  if (!result) return;
  VariantClear(result);
  result->vt = VT_BOOL;
  result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetText(VARIANT* result, std::string_view utf8) {
  if (!result) return;
  VariantClear(result);
  result->vt = VT_BSTR;
  result->bstrVal = NewBstr(utf8);
}

void SetCellValue(VARIANT* result, const CellValue& value) {
  if (!result) return;
  switch (value.kind) {
    case CellValue::Kind::Empty: SetEmpty(result); return;
    case CellValue::Kind::Number: SetNumber(result, value.number); return;
    case CellValue::Kind::Text: SetText(result, value.text); return;
    case CellValue::Kind::Boolean: SetBool(result, value.AsBool()); return;
    case CellValue::Kind::Error:
      VariantClear(result);
      result->vt = VT_ERROR;
      result->scode = ErrorScode(value.error);
      return;
  }
}

void SetObject(VARIANT* result, IDispatch* object) {
  if (!result) {
    if (object) object->Release();
    return;
  }
  VariantClear(result);
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

}  // namespace korvat::host::automation
