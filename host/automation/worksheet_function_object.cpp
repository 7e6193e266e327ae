// WorksheetFunction: the worksheet functions a macro calls directly. Match fails, as
// the host's does, when nothing matches.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/formula/match_scan.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

constexpr const char* kMatchFailed = "Unable to get the Match property of the WorksheetFunction class";

// Position of the key in a one-row or one-column range. For an exact match only the stored
// cells are visited (an empty cell never matches), so a whole column costs what it holds.
int MatchIn(const Worksheet& ws, const RangeRef& range, const CellValue& key, int matchType) {
  const bool down = range.ColumnCount() == 1;
  formula::MatchScan scan(key, matchType);
  if (matchType == 0) {
    const auto& cells = ws.Cells();
    const auto first = cells.lower_bound(Worksheet::CellKey(range.firstRow, range.firstCol));
    const auto last = cells.upper_bound(Worksheet::CellKey(range.lastRow, range.lastCol));
    for (auto it = first; it != last; ++it) {
      const int r = Worksheet::KeyRow(it->first), c = Worksheet::KeyColumn(it->first);
      if (!range.Contains(r, c) || !it->second.HasContent()) continue;
      const int position = down ? r - range.firstRow + 1 : c - range.firstCol + 1;
      if (!scan.Visit(ws.Value(r, c), position)) break;
    }
    return scan.found();
  }
  const int count = down ? std::min(range.RowCount(), std::max(0, ws.LastUsedRow() - range.firstRow + 1))
                         : std::min(range.ColumnCount(), std::max(0, ws.LastUsedColumn() - range.firstCol + 1));
  for (int i = 1; i <= count; ++i) {
    const CellValue v = down ? ws.Value(range.firstRow + i - 1, range.firstCol)
                             : ws.Value(range.firstRow, range.firstCol + i - 1);
    if (!scan.Visit(v, i)) break;
  }
  return scan.found();
}

class WorksheetFunctionObject : public Adapter<WorksheetFunctionObject> {
 public:
  explicit WorksheetFunctionObject(ContextRef context) : Adapter(std::move(context)) {}
  static std::span<const Entry> Entries();

  // Match(key, range, matchType = 1).
  Status Match(Call& call) {
    SheetWeak sheet;
    RangeRef range;
    DispatchObject* where = call.Object(1);
    if (call.Count() < 2 || !where || !RangeOf(where, &sheet, &range)) return Fail(kMatchFailed);
    auto ws = LockWorksheet(sheet);
    if (!ws) return Deleted("Range");
    const CellValue key = ToCellValue(call.Arg(0));
    if (key.IsEmpty() || key.IsError() || (range.RowCount() != 1 && range.ColumnCount() != 1))
      return Fail(kMatchFailed);
    const int found = MatchIn(*ws.sheet, range, key, call.Int(2).value_or(1));
    if (found == 0) return Fail(kMatchFailed);
    SetNumber(call.Result(), found);
    return Ok();
  }
};

constexpr WorksheetFunctionObject::Entry kFunctionMembers[] = {
    {"Match", 3, &WorksheetFunctionObject::Match},
};
std::span<const WorksheetFunctionObject::Entry> WorksheetFunctionObject::Entries() { return kFunctionMembers; }

}  // namespace

DispatchRef NewWorksheetFunctionObject(ContextRef context) {
  return DispatchRef(new WorksheetFunctionObject(std::move(context)));
}

}  // namespace korvat::host::automation
