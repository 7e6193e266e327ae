#include "host/automation/range_style_access.h"

#include "host/automation/variant_values.h"

namespace korvat::host::automation {
namespace {

bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_I4: return a.lVal == b.lVal;
    case VT_R8: return a.dblVal == b.dblVal;
    case VT_BOOL: return a.boolVal == b.boolVal;
    case VT_BSTR: return SysStringLen(a.bstrVal) == SysStringLen(b.bstrVal) &&
                         WideView(a.bstrVal, SysStringLen(a.bstrVal)) == WideView(b.bstrVal, SysStringLen(b.bstrVal));
    default: return true;
  }
}

}  // namespace

Status ReadSharedStyle(const SheetWeak& sheet, const RangeRef& range, std::string_view object, VARIANT* result,
                       const StyleReader& read) {
  auto ws = LockWorksheet(sheet);
  if (!ws) return Deleted(object);
  VariantOwner first;
  read(ws->Style(range.firstRow, range.firstCol), first.Get());
  bool shared = true;
  long long compared = 0;
  for (int r = range.firstRow; r <= range.lastRow && shared && compared < kMaxComparedCells; ++r)
    for (int c = range.firstCol; c <= range.lastCol && shared && compared < kMaxComparedCells; ++c, ++compared) {
      VariantOwner other;
      read(ws->Style(r, c), other.Get());
      shared = SameValue(*first, *other);
    }
  // A format that differs across the range has no one value: the host answers Null.
  if (!shared) first.Put()->vt = VT_NULL;
  first.MoveTo(result);
  return Ok();
}

Status ChangeStyles(const SheetWeak& sheet, const RangeRef& range, const std::function<void(CellStyle&)>& change,
                    std::string_view object) {
  auto ws = LockWorksheet(sheet);
  if (!ws) return Deleted(object);
  ws->ChangeStyles(range, change);
  return Ok();
}

}  // namespace korvat::host::automation
