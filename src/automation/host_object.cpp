#include "automation/host_object.h"

#include "platform/bstr_owner.h"
#include "platform/com_ref.h"
#include "base/number_text.h"

namespace korvat {
namespace {

WideText Path(std::string_view path) { return platform::AnsiToWide(path); }

WideText DotPath(std::string_view name) {
  std::string path(".");
  path += name;
  return Path(path);
}

// The narrow result of a "%s" read lives in a byte-length BSTR.
std::string TakeNarrow(char* bytes) {
  const BstrOwner owner = BstrOwner::TakeOver(reinterpret_cast<BSTR>(bytes));
  return owner ? std::string(bytes, owner.ByteLength()) : std::string();
}

AutomationObject ObjectFrom(IDispatch* object, const WideText& path) { return GetObjectResult(object, path.c_str()); }

}  // namespace

std::string GetText(IDispatch* object, std::string_view name) {
  char* bytes = nullptr;
  GetValue(KV_W("s"), &bytes, object, DotPath(name).c_str());
  return TakeNarrow(bytes);
}

void PutText(IDispatch* object, std::string_view name, std::string_view text) {
  const std::string value(text);
  PutValue(object, (DotPath(name) + KV_W("=%s")).c_str(), value.c_str());
}

void GetWideText(IDispatch* object, std::string_view name, WideString& holder) {
  GetValue(KV_W("S"), holder.PrepareOutput(), object, DotPath(name).c_str());
}

void PutWideText(IDispatch* object, std::string_view name, WideView text) {
  const WideText value(text);
  PutValue(object, (DotPath(name) + KV_W("=%S")).c_str(), value.c_str());
}

void CopyText(IDispatch* target, std::string_view name, IDispatch* source) {
  PutText(target, name, GetText(source, name));
}

AutomationObject GetObjectAt(IDispatch* object, std::string_view path) { return ObjectFrom(object, DotPath(path)); }

AutomationObject GetObjectAtWith(IDispatch* object, std::string_view path, std::string_view text) {
  const std::string value(text);
  return GetObjectResult(object, DotPath(path).c_str(), value.c_str());
}

void CallNamed(IDispatch* object, std::string_view name) { CallMethod(object, Path(name).c_str()); }

double GetNumber(IDispatch* object, std::string_view path) {
  double value = 0.0;
  GetValue(KV_W("e"), &value, object, Path(path).c_str());
  return value;
}

double GetNumberWith(IDispatch* object, std::string_view path, std::int32_t index) {
  double value = 0.0;
  GetValue(KV_W("e"), &value, object, Path(path).c_str(), index);
  return value;
}

void PutNumber(IDispatch* object, std::string_view path, double value) {
  PutValue(object, (Path(path) + KV_W("=%e")).c_str(), value);
}

void PutNumberWith(IDispatch* object, std::string_view path, std::int32_t index, double value) {
  PutValue(object, (Path(path) + KV_W("=%e")).c_str(), index, value);
}

void CopyNumber(IDispatch* target, std::string_view path, IDispatch* source) {
  PutNumber(target, path, GetNumber(source, path));
}

std::string GetValueText(IDispatch* object) { return GetText(object, "Value"); }
void PutValueText(IDispatch* object, std::string_view text) { PutText(object, "Value", text); }
double GetValueNumber(IDispatch* object) { return GetNumber(object, "Value"); }
std::optional<double> GetValueNumberIfAny(IDispatch* object) {
  double value = 0.0;
  if (SUCCEEDED(GetValue(KV_W("e"), &value, object, KV_W(".Value")))) return value;
  return GetValueText(object).empty() ? std::optional<double>(0.0) : std::nullopt;
}
void PutValueNumber(IDispatch* object, double value) { PutNumber(object, "Value", value); }
void PutFormula(IDispatch* object, std::string_view formula) { PutText(object, "Formula", formula); }
std::string GetName(IDispatch* object) { return GetText(object, "Name"); }
std::string GetCodeName(IDispatch* object) { return GetText(object, "codeName"); }
std::int64_t GetRow(IDispatch* object) { return ParseLeadingInteger(GetText(object, "Row")); }
std::int64_t GetColumn(IDispatch* object) { return ParseLeadingInteger(GetText(object, "Column")); }

double GetLeft(IDispatch* object) { return GetNumber(object, "Left"); }
double GetTop(IDispatch* object) { return GetNumber(object, "Top"); }
double GetWidth(IDispatch* object) { return GetNumber(object, "Width"); }
double GetHeight(IDispatch* object) { return GetNumber(object, "Height"); }
void PutLeft(IDispatch* object, double value) { PutNumber(object, "Left", value); }
void PutTop(IDispatch* object, double value) { PutNumber(object, "Top", value); }
void PutWidth(IDispatch* object, double value) { PutNumber(object, "Width", value); }
void PutHeight(IDispatch* object, double value) { PutNumber(object, "Height", value); }

double GetItemNumber(IDispatch* object, std::int32_t index) { return GetNumberWith(object, "Item(%d)", index); }
void PutItemNumber(IDispatch* object, std::int32_t index, double value) {
  PutNumberWith(object, "Item(%d)", index, value);
}
AutomationObject GetAdjustments(IDispatch* object) { return ObjectFrom(object, KV_W(".Adjustments")); }

AutomationObject CellAt(IDispatch* object, std::uint32_t row, std::uint32_t column) {
  return GetObjectResult(object, KV_W(".Cells(%u,%u)"), row, column);
}

AutomationObject CellsItem(IDispatch* object, std::int64_t n) {
  return GetObjectAtWith(object, "Cells.item(%s)", FormatInteger(n));
}

AutomationObject RangeAt(IDispatch* object, std::string_view address) {
  const std::string text(address);
  return GetObjectResult(object, KV_W(".Range(%s)"), text.c_str());
}

void PutCellText(IDispatch* object, std::uint32_t row, std::uint32_t column, std::string_view text) {
  const std::string value(text);
  PutValue(object, KV_W(".Cells(%u,%u)=%s"), row, column, value.c_str());
}

AutomationObject ShapeByName(IDispatch* sheet, std::string_view name) {
  return GetObjectAtWith(sheet, "Shapes(%s)", name);
}

AutomationObject ShapeAt(IDispatch* sheet, std::int32_t index) {
  return GetObjectResult(sheet, KV_W(".Shapes(%d)"), index);
}

AutomationObject BuildFreeform(IDispatch* sheet, std::int32_t editingType, double x, double y) {
  return GetObjectResult(sheet, KV_W(".Shapes.BuildFreeform(%d,%e,%e)"), editingType, x, y);
}

void AddNodes(IDispatch* builder, std::int32_t segmentType, std::int32_t editingType, double x, double y) {
  CallMethod(builder, KV_W(".AddNodes(%d,%d,%e,%e)"), segmentType, editingType, x, y);
}

AutomationObject ConvertToShape(IDispatch* builder) { return ObjectFrom(builder, KV_W(".ConvertToShape")); }

AutomationObject FindWorksheetByCodeName(IDispatch* workbook, std::string_view name) {
  ComRef<IEnumVARIANT> worksheets;
  if (FAILED(EnumBegin(worksheets.Put(), workbook, KV_W(".Worksheets")))) return {};
  for (;;) {
    AutomationObject sheet;
    if (EnumNextObject(worksheets.Get(), sheet.Put()) != S_OK) return {};
    if (GetCodeName(sheet.Get()) == name) return sheet;
  }
}

void DeleteObject(IDispatch* object) { CallNamed(object, "Delete"); }
void ClearObject(IDispatch* object) { CallNamed(object, "Clear"); }
void ClearContents(IDispatch* object) { CallNamed(object, "ClearContents"); }

}  // namespace korvat
