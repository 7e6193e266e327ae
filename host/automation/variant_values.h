#pragma once
// Conversions between Automation VARIANTs and the model's values. Reading an
// argument goes through VariantChangeType, so any numeric type, a boolean or a
// number written as text is accepted, as the host accepts them.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/com.h"
#include "platform/com_ref.h"
#include "platform/variant_owner.h"
#include "host/values/cell_value.h"

namespace korvat::host::automation {

// The host's error codes for the error values (2042 for #N/A), as VT_ERROR scodes.
SCODE ErrorScode(CellError error);
std::optional<CellError> ErrorFromScode(SCODE scode);

bool IsMissing(const VARIANT& v);  // an omitted optional argument
std::optional<double> ToDouble(const VARIANT& v);
std::optional<std::int32_t> ToInt(const VARIANT& v);
std::optional<bool> ToBool(const VARIANT& v);
std::optional<std::string> ToText(const VARIANT& v);  // UTF-8
// A cell value as written through Value: text is returned as text (the caller applies the
// text-input rules), empty stays empty.
CellValue ToCellValue(const VARIANT& v);

// Result setters: each clears what the result held and stores the value, or only
// drops the value when result is null. The result must be initialised.
void SetEmpty(VARIANT* result);
void SetNull(VARIANT* result);
void SetNumber(VARIANT* result, double value);
void SetInt(VARIANT* result, std::int32_t value);
void SetBool(VARIANT* result, bool value);
void SetText(VARIANT* result, std::string_view utf8);
void SetCellValue(VARIANT* result, const CellValue& value);
void SetObject(VARIANT* result, ComRef<IDispatch> object);
void SetUnknown(VARIANT* result, ComRef<IUnknown> object);

}  // namespace korvat::host::automation
