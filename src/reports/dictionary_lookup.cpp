#include "reports/dictionary_lookup.h"

#include "automation/host_object.h"

#include <string>

namespace korvat {

Dictionary::Dictionary(IDispatch* workbook)
    : sheet_(FindWorksheetByCodeName(workbook, "wsDictionary")),
      functions_(GetObjectAt(workbook, "Application.WorksheetFunction")),
      keys_(RangeAt(sheet_.Get(), "B:B")) {}

WideString Dictionary::Lookup(std::string_view key) const {
  // MATCH fails for a key it does not find; the row then stays 0.
  std::int32_t row = 0;
  const std::string text(key);
  GetValue(KV_W("d"), &row, functions_.Get(), KV_W(".Match(%s,%o,%d)"), text.c_str(), keys_.Get(), 0);
  WideString caption;
  if (row > 0) {
    const AutomationObject cell = CellAt(sheet_.Get(), static_cast<std::uint32_t>(row), 3);
    GetWideText(cell.Get(), "Value", caption);
  }
  return caption;
}

void Dictionary::WriteLabel(IDispatch* sheet, std::int64_t row, std::int64_t column, std::string_view key) const {
  const AutomationObject cell = CellAt(sheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  const WideString caption = Lookup(key);
  PutWideText(cell.Get(), "Value", caption.View());
}

WideString LookupLabel(IDispatch* workbook, std::string_view key) { return Dictionary(workbook).Lookup(key); }

void WriteLabel(IDispatch* workbook, IDispatch* sheet, std::int64_t row, std::int64_t column, std::string_view key) {
  Dictionary(workbook).WriteLabel(sheet, row, column, key);
}

}  // namespace korvat
