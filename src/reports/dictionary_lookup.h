#pragma once
// Report captions from the workbook's dictionary sheet (code name
// "wsDictionary"): keys in column B, captions in column C. The first row whose B
// cell matches the key (the host's MATCH, exact) gives the caption. The library
// holds no caption text of its own, so the reports speak the dictionary's
// language.

#include "automation/automation_object.h"
#include "automation/wide_string.h"
#include "platform/com.h"

#include <cstdint>
#include <string_view>

namespace korvat {

// The dictionary as one report run reads it: the sheet, the host's worksheet
// functions and the key column are fetched once, when it is made, and released
// with it. Captions are read anew on every lookup, so a lookup gives what a
// lookup of its own would.
class Dictionary {
 public:
  explicit Dictionary(IDispatch* workbook);

  // The caption of the key, owned by the caller; empty when the workbook has no
  // dictionary sheet, the key is not in column B or its C cell is empty.
  WideString Lookup(std::string_view key) const;
  // The cell (row, column) of the sheet gets the key's caption as its value (an
  // empty caption leaves it blank).
  void WriteLabel(IDispatch* sheet, std::int64_t row, std::int64_t column, std::string_view key) const;

 private:
  AutomationObject sheet_;
  AutomationObject functions_;
  AutomationObject keys_;
};

// One lookup with a dictionary of its own.
WideString LookupLabel(IDispatch* workbook, std::string_view key);
void WriteLabel(IDispatch* workbook, IDispatch* sheet, std::int64_t row, std::int64_t column, std::string_view key);

}  // namespace korvat
