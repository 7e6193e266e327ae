// Worksheet: names, cells and ranges by address or defined name, rows, columns,
// shapes, activation and Paste.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

constexpr RangeRef kWholeSheet{1, 1, kMaxRows, kMaxColumns};

class WorksheetObject : public Adapter<WorksheetObject> {
 public:
  WorksheetObject(ContextRef context, SheetWeak sheet) : Adapter(std::move(context)), sheet_(std::move(sheet)) {}
  static std::span<const Entry> Entries();

  Status GetName(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    SetText(call.Result(), ws->Name());
    return Ok();
  }
  Status PutName(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    const auto name = call.ValueText();
    if (!name || !Context().Book().RenameSheet(*ws.sheet, *name))
      return Fail("That name is already taken or is not valid as a sheet name.");
    return Ok();
  }
  Status GetCodeName(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    SetText(call.Result(), ws->codeName);
    return Ok();
  }
  Status GetIndex(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    SetInt(call.Result(), Context().Book().IndexOf(*ws.sheet) + 1);
    return Ok();
  }
  Status GetVisible(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    SetInt(call.Result(), ws->visible ? -1 : 0);
    return Ok();
  }
  Status PutVisible(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    const auto v = call.ValueInt();
    if (!v) return Fail("Unable to set the Visible property of the Worksheet class");
    ws->visible = *v != 0;
    return Ok();
  }

  // Range("B3"), Range("A1:C4"), Range("B:B"), Range("5:7"), Range(name), Range(cell1, cell2).
  Status GetRange(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    if (!call.Has(1) && call.Has(0) && call.Arg(0).vt == VT_BSTR) {
      const std::string text = call.Text(0).value_or("");
      if (text.find(',') != std::string::npos) return Areas(call, text, ws);
    }
    const auto a = Corner(call, 0, ws);
    const auto b = call.Has(1) ? Corner(call, 1, ws) : a;
    if (!a || !b) return Fail("Method 'Range' of object '_Worksheet' failed");
    const RangeRef r{std::min(a->firstRow, b->firstRow), std::min(a->firstCol, b->firstCol),
                     std::max(a->lastRow, b->lastRow), std::max(a->lastCol, b->lastCol)};
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, r));
  }
  Status GetCells(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    if (call.Count() == 0) return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, kWholeSheet));
    const auto r = call.Int(0);
    const auto c = call.Has(1) ? call.Int(1) : std::optional<std::int32_t>(1);
    if (call.Count() == 1 && r) {  // Cells(n): n-th cell in row-major order of the sheet
      const std::int64_t k = static_cast<std::int64_t>(*r) - 1;
      if (k < 0 || k / kMaxColumns >= kMaxRows) return Fail("Application-defined or object-defined error");
      const int row = static_cast<int>(k / kMaxColumns) + 1, col = static_cast<int>(k % kMaxColumns) + 1;
      return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, {row, col, row, col}));
    }
    if (!r || !c || !Worksheet::InSheet(*r, *c)) return Fail("Application-defined or object-defined error");
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, {*r, *c, *r, *c}));
  }
  Status GetRows(Call& call) { return Lines(call, RangeView::Rows); }
  Status GetColumns(Call& call) { return Lines(call, RangeView::Columns); }
  Status GetUsedRange(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    const RangeRef used{1, 1, std::max(1, ws->LastUsedRow()), std::max(1, ws->LastUsedColumn())};
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, used));
  }
  Status GetShapes(Call& call) {
    if (!LockWorksheet(sheet_)) return Deleted("Worksheet");
    return ReturnObject(call, NewShapesObject(SharedContext(), sheet_));
  }
  Status Activate(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    ApplicationState& app = Context().Book().App();
    if (app.activeSheet != ws->Name()) {
      app.activeSheet = ws->Name();
      app.selectionSheet = ws->Name();
      app.selection = "A1";
    }
    return Ok();
  }
  // Pastes the pending Copy or Cut at the selection of this sheet.
  Status Paste(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    if (auto* at = call.Object(0)) {
      SheetWeak sheet;
      RangeRef range;
      if (!RangeOf(at, &sheet, &range)) return Fail("Paste method of Worksheet class failed");
      return PasteOnSheet(SharedContext(), sheet, range, call);
    }
    const ApplicationState& app = Context().Book().App();
    const std::string& selected = app.selectionSheet.empty() ? app.activeSheet : app.selectionSheet;
    const auto range = ParseRangeRef(app.selection);
    if (!range || (!selected.empty() && Context().Book().FindSheet(selected) != ws.sheet))
      return Fail("Paste method of Worksheet class failed");
    return PasteOnSheet(SharedContext(), sheet_, *range, call);
  }
  Status Delete(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    if (!Context().Book().DeleteSheet(*ws.sheet)) return Fail("Delete method of Worksheet class failed");
    SetBool(call.Result(), true);
    return Ok();
  }
  Status GetParent(Call& call) { return ReturnObject(call, NewWorkbookAdapter(SharedContext())); }
  Status GetApplication(Call& call) { return ReturnObject(call, NewApplicationObject(SharedContext())); }

  const SheetWeak& Sheet() const { return sheet_; }

 private:
  // One corner argument: an address, a defined name of this sheet, or a Range of it.
  std::optional<RangeRef> Corner(const Call& call, std::size_t i, const LiveWorksheet& ws) const {
    if (DispatchObject* object = call.Object(i)) {
      SheetWeak sheet;
      RangeRef range;
      if (!RangeOf(object, &sheet, &range) || sheet.lock() != ws.hold) return std::nullopt;
      return range;
    }
    const auto text = call.Text(i);
    if (!text) return std::nullopt;
    const auto resolved = Context().Book().ResolveReference(*text, ws.sheet);
    if (!resolved || resolved->sheet != ws.sheet) return std::nullopt;
    return resolved->range;
  }

  // "B5:B10,H5:I10": every area a reference of this sheet.
  Status Areas(Call& call, const std::string& text, const LiveWorksheet& ws) {
    std::vector<RangeRef> areas;
    for (std::size_t start = 0; start <= text.size();) {
      std::size_t comma = text.find(',', start);
      if (comma == std::string::npos) comma = text.size();
      const auto resolved = Context().Book().ResolveReference(std::string_view(text).substr(start, comma - start), ws.sheet);
      if (!resolved || resolved->sheet != ws.sheet) return Fail("Method 'Range' of object '_Worksheet' failed");
      areas.push_back(resolved->range);
      start = comma + 1;
    }
    return ReturnObject(call, NewRangeAreasObject(SharedContext(), sheet_, std::move(areas)));
  }

  Status Lines(Call& call, RangeView view) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Worksheet");
    DispatchRef all = NewRangeObject(SharedContext(), sheet_, kWholeSheet, view);
    if (call.Count() == 0) return ReturnObject(call, std::move(all));
    Call item = call.Tail(0);
    return DispatchObject::From(all.Get())->RunDefault(item);
  }

  SheetWeak sheet_;
};

constexpr WorksheetObject::Entry kWorksheetMembers[] = {
    {"Name", 0, &WorksheetObject::GetName, &WorksheetObject::PutName},
    {"CodeName", 0, &WorksheetObject::GetCodeName},
    {"Index", 0, &WorksheetObject::GetIndex},
    {"Visible", 0, &WorksheetObject::GetVisible, &WorksheetObject::PutVisible},
    {"Range", 2, &WorksheetObject::GetRange},
    {"Cells", 2, &WorksheetObject::GetCells},
    {"Rows", 1, &WorksheetObject::GetRows},
    {"Columns", 1, &WorksheetObject::GetColumns},
    {"UsedRange", 0, &WorksheetObject::GetUsedRange},
    {"Shapes", 0, &WorksheetObject::GetShapes},
    {"Select", 1, &WorksheetObject::Activate},
    {"Activate", 0, &WorksheetObject::Activate},
    {"Paste", 2, &WorksheetObject::Paste},
    {"Delete", 0, &WorksheetObject::Delete},
    {"Parent", 0, &WorksheetObject::GetParent},
    {"Application", 0, &WorksheetObject::GetApplication},
};
std::span<const WorksheetObject::Entry> WorksheetObject::Entries() { return kWorksheetMembers; }

}  // namespace

DispatchRef NewWorksheetObject(ContextRef context, SheetWeak sheet) {
  return DispatchRef(new WorksheetObject(std::move(context), std::move(sheet)));
}

DispatchRef NewSheetObject(ContextRef context, const std::shared_ptr<Sheet>& sheet) {
  if (!sheet) return {};
  if (sheet->Kind() == SheetKind::Worksheet) return NewWorksheetObject(std::move(context), sheet);
  ChartPlace place;
  place.chart = static_cast<ChartSheet&>(*sheet).SharedChart();
  place.chartSheet = sheet;
  return NewChartObject(std::move(context), std::move(place));
}

bool SheetOf(IUnknown* object, SheetWeak* sheet) {
  auto* w = dynamic_cast<WorksheetObject*>(DispatchObject::From(object));
  if (!w) return false;
  *sheet = w->Sheet();
  return true;
}

}  // namespace korvat::host::automation
