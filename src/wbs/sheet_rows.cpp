#include "wbs/sheet_rows.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "base/number_text.h"

namespace korvat {
namespace {

constexpr std::int32_t kPasteValues = -4163;

// The task table's cells of one row: "WSFirstCol" to "WSLastCol".
std::string RowSpan(const WbsSettings& s, std::int64_t row) {
  return s.firstCol + FormatInteger(row) + ":" + s.lastCol + FormatInteger(row);
}

std::int32_t Narrow(std::int64_t row) { return row > 0x7FFFFFFF ? 0 : static_cast<std::int32_t>(row); }

}  // namespace

void SetRowHidden(IDispatch* wbsSheet, std::int64_t row, bool hidden) {
  if (row < 1) return;
  PutValue(wbsSheet, KV_W(".Rows(%d).EntireRow.Hidden=%b"), Narrow(row), hidden ? -1 : 0);
}

bool IsRowHidden(IDispatch* wbsSheet, std::int64_t row) {
  std::int32_t hidden = 0;
  if (row >= 1) GetValue(KV_W("b"), &hidden, wbsSheet, KV_W(".Rows(%d).EntireRow.Hidden"), Narrow(row));
  return hidden != 0;
}

void InsertRowBelow(const BoundPlan& plan, IDispatch* cell) {
  const std::int64_t r = GetRow(cell);
  if (r < 1) return;
  CallMethod(cell, KV_W(".EntireRow.Insert"));
  {
    const AutomationObject below = RangeAt(plan.wbsSheet, RowSpan(plan.wbsSettings, r + 1));
    CallMethod(below.Get(), KV_W(".Copy"));
    const AutomationObject here = RangeAt(plan.wbsSheet, RowSpan(plan.wbsSettings, r));
    CallMethod(here.Get(), KV_W(".PasteSpecial(%d)"), kPasteValues);
    ClearContents(below.Get());
  }
  CallMethod(plan.wbsSheet, KV_W(".Cells(%d,%d).Select"), Narrow(r + 1), Narrow(GetColumn(cell)));
}

void DeleteStatusShape(IDispatch* wbsSheet, std::int64_t row) {
  const AutomationObject shape = ShapeByName(wbsSheet, "TaskStatus" + FormatInteger(row));
  if (shape) DeleteObject(shape.Get());
}

void ClearRow(const BoundPlan& plan, std::int64_t row) {
  const AutomationObject range = RangeAt(plan.wbsSheet, RowSpan(plan.wbsSettings, row));
  ClearContents(range.Get());
  DeleteStatusShape(plan.wbsSheet, row);
}

}  // namespace korvat
