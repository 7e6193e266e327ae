#pragma once
// One-line property helpers over the call layer. None reports a failure: every
// result starts empty, 0 or null and a failed host call leaves it so, and a
// failed write does nothing. Objects are returned in owning handles.
// Names and paths are narrow text; the helpers widen them for the call.

#include "automation/automation_object.h"
#include "automation/dispatch_call.h"
#include "automation/wide_string.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvat {

// "." + name, read as narrow text / written from narrow text.
std::string GetText(IDispatch* object, std::string_view name);
void PutText(IDispatch* object, std::string_view name, std::string_view text);
// "." + name as wide text into the holder (null text on failure).
void GetWideText(IDispatch* object, std::string_view name, WideString& holder);
void PutWideText(IDispatch* object, std::string_view name, WideView text);
void CopyText(IDispatch* target, std::string_view name, IDispatch* source);

// The object a member path gives (a "%o" result) with the path's arguments,
// owned by the caller; empty when the call fails.
template <typename... Arguments>
AutomationObject GetObjectResult(IDispatch* object, const OLECHAR* path, Arguments... arguments) {
  AutomationObject result;
  GetValue(KV_W("o"), result.Put(), object, path, arguments...);
  return result;
}

AutomationObject GetObjectAt(IDispatch* object, std::string_view path);
// path holds one "%s" that takes text.
AutomationObject GetObjectAtWith(IDispatch* object, std::string_view path, std::string_view text);
void CallNamed(IDispatch* object, std::string_view name);

// path is used as given (no "." added).
double GetNumber(IDispatch* object, std::string_view path);
double GetNumberWith(IDispatch* object, std::string_view path, std::int32_t index);  // path holds one "%d"
void PutNumber(IDispatch* object, std::string_view path, double value);
void PutNumberWith(IDispatch* object, std::string_view path, std::int32_t index, double value);
void CopyNumber(IDispatch* target, std::string_view path, IDispatch* source);

std::string GetValueText(IDispatch* object);
void PutValueText(IDispatch* object, std::string_view text);
double GetValueNumber(IDispatch* object);
// The Value as a number (0 for an empty cell); nothing when it holds text that is
// no number, so a caller can tell a typed-in text from a blank.
std::optional<double> GetValueNumberIfAny(IDispatch* object);
void PutValueNumber(IDispatch* object, double value);
void PutFormula(IDispatch* object, std::string_view formula);
std::string GetName(IDispatch* object);
std::string GetCodeName(IDispatch* object);
std::int64_t GetRow(IDispatch* object);
std::int64_t GetColumn(IDispatch* object);

double GetLeft(IDispatch* object);
double GetTop(IDispatch* object);
double GetWidth(IDispatch* object);
double GetHeight(IDispatch* object);
void PutLeft(IDispatch* object, double value);
void PutTop(IDispatch* object, double value);
void PutWidth(IDispatch* object, double value);
void PutHeight(IDispatch* object, double value);

double GetItemNumber(IDispatch* object, std::int32_t index);
void PutItemNumber(IDispatch* object, std::int32_t index, double value);
AutomationObject GetAdjustments(IDispatch* object);

// Rows and columns are 1-based.
AutomationObject CellAt(IDispatch* object, std::uint32_t row, std::uint32_t column);
AutomationObject CellsItem(IDispatch* object, std::int64_t n);
AutomationObject RangeAt(IDispatch* object, std::string_view address);
void PutCellText(IDispatch* object, std::uint32_t row, std::uint32_t column, std::string_view text);

AutomationObject ShapeByName(IDispatch* sheet, std::string_view name);
AutomationObject ShapeAt(IDispatch* sheet, std::int32_t index);
AutomationObject BuildFreeform(IDispatch* sheet, std::int32_t editingType, double x, double y);
void AddNodes(IDispatch* builder, std::int32_t segmentType, std::int32_t editingType, double x, double y);
AutomationObject ConvertToShape(IDispatch* builder);

// The first worksheet of the workbook whose code name equals name (exact,
// case-sensitive), or an empty handle; the caller owns the reference.
AutomationObject FindWorksheetByCodeName(IDispatch* workbook, std::string_view name);

void DeleteObject(IDispatch* object);
void ClearObject(IDispatch* object);
void ClearContents(IDispatch* object);

}  // namespace korvat
