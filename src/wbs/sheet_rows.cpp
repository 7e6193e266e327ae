#include "wbs/sheet_rows.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"

namespace korvat {
namespace {

IDispatch* Sheet() { return State().wbsSheet.Get(); }

constexpr std::int32_t kPasteValues = -4163;

std::string RowSpan(std::int64_t row) {
  const WbsSettings* s = State().wbsSettings.get();
  if (!s) return {};
  return s->firstCol + FormatInteger(row) + ":" + s->lastCol + FormatInteger(row);
}

std::int32_t Narrow(std::int64_t row) { return row > 0x7FFFFFFF ? 0 : static_cast<std::int32_t>(row); }

}  // namespace

void SetRowHidden(std::int64_t row, bool hidden) {
  if (row < 1) return;
  PutValue(Sheet(), KV_W(".Rows(%d).EntireRow.Hidden=%b"), Narrow(row), hidden ? -1 : 0);
}

bool IsRowHidden(std::int64_t row) {
  std::int32_t hidden = 0;
  if (row >= 1) GetValue(KV_W("b"), &hidden, Sheet(), KV_W(".Rows(%d).EntireRow.Hidden"), Narrow(row));
  return hidden != 0;
}

void InsertRowBelow(IDispatch* cell) {
  const std::int64_t r = GetRow(cell);
  if (r < 1) return;
  CallMethod(cell, KV_W(".EntireRow.Insert"));
  {
    const AutomationObject below = RangeAt(Sheet(), RowSpan(r + 1));
    CallMethod(below.Get(), KV_W(".Copy"));
    const AutomationObject here = RangeAt(Sheet(), RowSpan(r));
    CallMethod(here.Get(), KV_W(".PasteSpecial(%d)"), kPasteValues);
    ClearContents(below.Get());
  }
  CallMethod(Sheet(), KV_W(".Cells(%d,%d).Select"), Narrow(r + 1), Narrow(GetColumn(cell)));
}

void DeleteStatusShape(std::int64_t row) {
  const AutomationObject shape = ShapeByName(Sheet(), "TaskStatus" + FormatInteger(row));
  if (shape) DeleteObject(shape.Get());
}

void ClearRow(std::int64_t row) {
  const AutomationObject range = RangeAt(Sheet(), RowSpan(row));
  ClearContents(range.Get());
  DeleteStatusShape(row);
}

}  // namespace korvat
