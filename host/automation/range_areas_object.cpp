// A range of several areas of one worksheet ("B5:B10,H5:I10"), as Range gives it for a
// reference of areas joined by commas. It answers its address, its cells' count, its areas
// (each a Range), the first area's row and column, and serves as a chart's source data; it
// takes no values or formats (nothing the library writes goes to several areas at once).

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/item_enumerator.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

long long CellsOf(const std::vector<RangeRef>& areas) {
  long long n = 0;
  for (const RangeRef& r : areas) n += static_cast<long long>(r.RowCount()) * r.ColumnCount();
  return n;
}

// The Areas collection: each area as a Range of its own.
class AreasObject : public Adapter<AreasObject> {
 public:
  AreasObject(ContextRef context, SheetWeak sheet, std::vector<RangeRef> areas)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), areas_(std::move(areas)) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    if (!LockWorksheet(sheet_)) return Deleted("Areas");
    const auto index = call.Int(0);
    if (!index || *index < 1 || *index > static_cast<int>(areas_.size()))
      return Fail("The index into the specified collection is out of bounds.", kBadIndex);
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, areas_[static_cast<std::size_t>(*index - 1)]));
  }
  Status GetCount(Call& call) {
    SetInt(call.Result(), static_cast<std::int32_t>(areas_.size()));
    return Ok();
  }
  Status NewEnum(Call& call) {
    auto context = SharedContext();
    auto sheet = sheet_;
    auto areas = areas_;
    UnknownRef e = NewItemEnumerator(context, areas.size(), [context, sheet, areas](std::size_t i) {
      return NewRangeObject(context, sheet, areas[i]);
    });
    return ReturnEnumerator(call, std::move(e));
  }

 private:
  SheetWeak sheet_;
  std::vector<RangeRef> areas_;
};

constexpr AreasObject::Entry kAreasMembers[] = {
    {"Item", 1, &AreasObject::GetItem, nullptr, true},
    {"Count", 0, &AreasObject::GetCount},
    {"_NewEnum", 0, &AreasObject::NewEnum},
};
std::span<const AreasObject::Entry> AreasObject::Entries() { return kAreasMembers; }

class RangeAreasObject : public Adapter<RangeAreasObject> {
 public:
  RangeAreasObject(ContextRef context, SheetWeak sheet, std::vector<RangeRef> areas)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), areas_(std::move(areas)) {}
  static std::span<const Entry> Entries();

  Status GetAddress(Call& call) {
    const bool rowAbsolute = call.Bool(0).value_or(true), colAbsolute = call.Bool(1).value_or(true);
    std::string text;
    for (const RangeRef& r : areas_) {
      if (!text.empty()) text += ',';
      text += AreaAddress(r, rowAbsolute, colAbsolute);
    }
    SetText(call.Result(), text);
    return Ok();
  }
  Status GetCount(Call& call) {
    const long long n = CellsOf(areas_);
    if (n > 0x7FFFFFFFLL)
      SetNumber(call.Result(), static_cast<double>(n));
    else
      SetInt(call.Result(), static_cast<std::int32_t>(n));
    return Ok();
  }
  Status GetAreas(Call& call) {
    if (!LockWorksheet(sheet_)) return Deleted("Range");
    DispatchRef areas(new AreasObject(SharedContext(), sheet_, areas_));
    if (call.Count() == 0) return ReturnObject(call, std::move(areas));
    Call item = call.Tail(0);
    return DispatchObject::From(areas.Get())->RunDefault(item);
  }
  Status GetRow(Call& call) {
    SetInt(call.Result(), areas_.front().firstRow);
    return Ok();
  }
  Status GetColumn(Call& call) {
    SetInt(call.Result(), areas_.front().firstCol);
    return Ok();
  }
  Status GetWorksheet(Call& call) {
    if (!LockWorksheet(sheet_)) return Deleted("Range");
    return ReturnObject(call, NewWorksheetObject(SharedContext(), sheet_));
  }
  Status GetApplication(Call& call) { return ReturnObject(call, NewApplicationObject(SharedContext())); }

  const SheetWeak& Sheet() const { return sheet_; }
  const std::vector<RangeRef>& Areas() const { return areas_; }

 private:
  static std::string AreaAddress(const RangeRef& r, bool rowAbsolute, bool colAbsolute) {
    std::string text;
    auto corner = [&](int row, int col) {
      if (colAbsolute) text += '$';
      text.append(ColumnLetters(col));
      if (rowAbsolute) text += '$';
      text.append(std::to_string(row));
    };
    corner(r.firstRow, r.firstCol);
    if (r.RowCount() > 1 || r.ColumnCount() > 1) {
      text += ':';
      corner(r.lastRow, r.lastCol);
    }
    return text;
  }

  SheetWeak sheet_;
  std::vector<RangeRef> areas_;
};

constexpr RangeAreasObject::Entry kRangeAreasMembers[] = {
    {"Address", 2, &RangeAreasObject::GetAddress},
    {"Count", 0, &RangeAreasObject::GetCount},
    {"Areas", 1, &RangeAreasObject::GetAreas},
    {"Row", 0, &RangeAreasObject::GetRow},
    {"Column", 0, &RangeAreasObject::GetColumn},
    {"Worksheet", 0, &RangeAreasObject::GetWorksheet},
    {"Parent", 0, &RangeAreasObject::GetWorksheet},
    {"Application", 0, &RangeAreasObject::GetApplication},
};
std::span<const RangeAreasObject::Entry> RangeAreasObject::Entries() { return kRangeAreasMembers; }

}  // namespace

DispatchRef NewRangeAreasObject(ContextRef context, SheetWeak sheet, std::vector<RangeRef> areas) {
  if (areas.size() == 1) return NewRangeObject(std::move(context), std::move(sheet), areas.front());
  return DispatchRef(new RangeAreasObject(std::move(context), std::move(sheet), std::move(areas)));
}

bool AreasOf(IUnknown* object, SheetWeak* sheet, std::vector<RangeRef>* areas) {
  if (auto* multi = dynamic_cast<RangeAreasObject*>(DispatchObject::From(object))) {
    *sheet = multi->Sheet();
    *areas = multi->Areas();
    return true;
  }
  RangeRef one;
  if (!RangeOf(object, sheet, &one)) return false;
  *areas = {one};
  return true;
}

}  // namespace korvat::host::automation
