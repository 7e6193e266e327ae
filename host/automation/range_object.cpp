// Range: cells of one worksheet rectangle, with their values, formulas, geometry,
// formats and the row operations.

#include <cmath>
#include <span>

#include "host/automation/adapters.h"
#include "host/values/number_format.h"
#include "host/automation/item_enumerator.h"
#include "host/automation/range_style_access.h"
#include "host/automation/variant_values.h"
#include "host/model/cell_text_input.h"
#include "host/model/column_fit.h"
#include "host/model/range_transfer.h"
#include "host/model/row_operations.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

// Writes beyond this many cells are refused rather than filling a sheet cell by cell.
constexpr long long kMaxCellsPerWrite = 4'000'000;

constexpr int kPasteAll = -4104;
constexpr int kPasteValues = -4163;
constexpr int kPasteFormats = -4122;
constexpr int kPasteFormulas = -4123;

long long CellCount(const RangeRef& r) { return static_cast<long long>(r.RowCount()) * r.ColumnCount(); }

// Column width in characters of the default font, as the host reports ColumnWidth, from
// points: a character is 7 pixels plus 5 pixels of padding, at 0.75 points a pixel.
double CharactersFromPoints(double points) {
  const double pixels = points / 0.75;
  if (pixels <= 0) return 0;
  if (pixels < 12) return std::round(pixels / 12.0 * 100.0) / 100.0;
  return std::round((pixels - 5.0) / 7.0 * 100.0) / 100.0;
}
double PointsFromCharacters(double characters) {
  if (characters <= 0) return 0;
  if (characters < 1) return characters * 12.0 * 0.75;
  return std::round(characters * 7.0 + 5.0) * 0.75;
}

std::optional<PasteKind> PasteKindOf(int code) {
  switch (code) {
    case kPasteAll: return PasteKind::All;
    case kPasteValues: return PasteKind::Values;
    case kPasteFormats: return PasteKind::Formats;
    case kPasteFormulas: return PasteKind::Formulas;
    default: return std::nullopt;
  }
}

// Rows "5:7" or "5", columns "B:D" or "B", relative to the first row or column of a range.
std::optional<std::pair<int, int>> ParseSpan(const std::string& text, bool rows) {
  const auto colon = text.find(':');
  const std::string a = text.substr(0, colon), b = colon == std::string::npos ? a : text.substr(colon + 1);
  auto one = [&](const std::string& part) -> int {
    if (rows) {
      if (part.empty() || part.size() > 7) return 0;
      for (char c : part)
        if (c < '0' || c > '9') return 0;
      return std::stoi(part);
    }
    return ColumnFromLetters(part);
  };
  const int first = one(a), last = one(b);
  if (first <= 0 || last <= 0) return std::nullopt;
  return std::make_pair(std::min(first, last), std::max(first, last));
}

class RangeObject : public Adapter<RangeObject> {
 public:
  RangeObject(ContextRef context, SheetWeak sheet, const RangeRef& range, RangeView view)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), range_(range), view_(view) {}

  static std::span<const Entry> Entries();

  Status GetValue(Call& call) {
    if (call.Count() > 0) return Item(call);
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    SetCellValue(call.Result(), ws->Value(range_.firstRow, range_.firstCol));
    return Ok();
  }
  Status PutValue(Call& call) {
    if (call.Count() > 0) return PutThroughItem(call);
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const CellValue value = ToCellValue(call.Value());
    // An empty value empties the cells, which costs what the range holds, not its size.
    if (value.IsEmpty() || (value.IsText() && value.text.empty())) {
      ws->ClearContents(range_);
      RaiseChange(SharedContext(), ws, range_);
      return Ok();
    }
    if (CellCount(range_) > kMaxCellsPerWrite) return Fail("The range is too large to write cell by cell.");
    for (int r = range_.firstRow; r <= range_.lastRow; ++r)
      for (int c = range_.firstCol; c <= range_.lastCol; ++c) {
        if (value.IsText())
          ws->SetCellFromText(r, c, value.text);
        else
          ws->SetValue(r, c, value);
      }
    RaiseChange(SharedContext(), ws, range_);
    return Ok();
  }
  Status GetFormula(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const int r = range_.firstRow, c = range_.firstCol;
    if (ws->HasFormula(r, c)) {
      SetText(call.Result(), ws->Formula(r, c));
      return Ok();
    }
    const CellValue v = ws->Value(r, c);
    SetText(call.Result(), v.IsNumber() ? PlainNumberText(v.number) : FormatCellValue(v, "General"));
    return Ok();
  }
  Status PutFormula(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (CellCount(range_) > kMaxCellsPerWrite) return Fail("The range is too large to write cell by cell.");
    const VARIANT& v = call.Value();
    const auto text = v.vt == VT_BSTR ? ToText(v) : std::nullopt;
    for (int r = range_.firstRow; r <= range_.lastRow; ++r)
      for (int c = range_.firstCol; c <= range_.lastCol; ++c) {
        if (text)
          ws->SetFormula(r, c, *text);
        else
          ws->SetValue(r, c, ToCellValue(v));
      }
    RaiseChange(SharedContext(), ws, range_);
    return Ok();
  }
  Status GetHasFormula(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    // True when every cell holds a formula, False when none does, Null when some do.
    const bool first = ws->HasFormula(range_.firstRow, range_.firstCol);
    for (int r = range_.firstRow; r <= range_.lastRow; ++r)
      for (int c = range_.firstCol; c <= range_.lastCol; ++c)
        if (ws->HasFormula(r, c) != first) {
          SetNull(call.Result());
          return Ok();
        }
    SetBool(call.Result(), first);
    return Ok();
  }
  Status GetText(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const int r = range_.firstRow, c = range_.firstCol;
    SetText(call.Result(), FormatCellValue(ws->Value(r, c), ws->Style(r, c).numberFormat));
    return Ok();
  }
  Status GetRow(Call& call) { return Int(call, range_.firstRow); }
  Status GetColumn(Call& call) { return Int(call, range_.firstCol); }
  Status GetCount(Call& call) {
    const long long n = view_ == RangeView::Rows ? range_.RowCount()
                        : view_ == RangeView::Columns ? range_.ColumnCount()
                                                      : CellCount(range_);
    if (n > 0x7FFFFFFFLL)
      SetNumber(call.Result(), static_cast<double>(n));
    else
      SetInt(call.Result(), static_cast<std::int32_t>(n));
    return Ok();
  }
  Status GetAddress(Call& call) {
    const bool rowAbsolute = call.Bool(0).value_or(true), colAbsolute = call.Bool(1).value_or(true);
    SetText(call.Result(), AddressText(rowAbsolute, colAbsolute));
    return Ok();
  }

  Status GetRows(Call& call) { return Part(call, RangeView::Rows); }
  Status GetColumns(Call& call) { return Part(call, RangeView::Columns); }
  Status GetCells(Call& call) { return Part(call, RangeView::Cells); }
  Status GetItem(Call& call) { return Item(call); }

  Status GetLeft(Call& call) { return Geometry(call, 0); }
  Status GetTop(Call& call) { return Geometry(call, 1); }
  Status GetWidth(Call& call) { return Geometry(call, 2); }
  Status GetHeight(Call& call) { return Geometry(call, 3); }

  Status GetEntireRow(Call& call) {
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_,
                                             {range_.firstRow, 1, range_.lastRow, kMaxColumns}, RangeView::Rows));
  }
  Status GetEntireColumn(Call& call) {
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_,
                                             {1, range_.firstCol, kMaxRows, range_.lastCol}, RangeView::Columns));
  }
  Status GetHidden(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (!range_.IsWholeRows() && !range_.IsWholeColumns())
      return Fail("Unable to get the Hidden property of the Range class");
    bool hidden = true;
    if (range_.IsWholeColumns() && !range_.IsWholeRows()) {
      for (int c = range_.firstCol; c <= range_.lastCol && hidden; ++c) hidden = ws->Columns().Hidden(c);
    } else {
      for (int r = range_.firstRow; r <= range_.lastRow && hidden; ++r) hidden = ws->Rows().Hidden(r);
    }
    SetBool(call.Result(), hidden);
    return Ok();
  }
  Status PutHidden(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const auto hidden = call.ValueBool();
    if (!hidden || (!range_.IsWholeRows() && !range_.IsWholeColumns()))
      return Fail("Unable to set the Hidden property of the Range class");
    if (range_.IsWholeColumns() && !range_.IsWholeRows()) {
      for (int c = range_.firstCol; c <= range_.lastCol; ++c) ws->SetColumnHidden(c, *hidden);
    } else {
      for (int r = range_.firstRow; r <= range_.lastRow; ++r) ws->SetRowHidden(r, *hidden);
    }
    ws->Shapes();  // shapes keep their sheet coordinates; nothing to move
    return Ok();
  }
  Status GetRowHeight(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    SetNumber(call.Result(), ws->RowHeight(range_.firstRow));
    return Ok();
  }
  Status PutRowHeight(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const auto points = call.ValueDouble();
    if (!points || *points < 0 || *points > kMaxRowHeight) return Fail("Unable to set the RowHeight property of the Range class");
    for (int r = range_.firstRow; r <= range_.lastRow; ++r) ws->SetRowHeight(r, *points);
    return Ok();
  }
  Status GetColumnWidth(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    SetNumber(call.Result(), CharactersFromPoints(ws->Columns().Size(range_.firstCol)));
    return Ok();
  }
  Status PutColumnWidth(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const auto characters = call.ValueDouble();
    if (!characters || *characters < 0 || *characters > 255)
      return Fail("Unable to set the ColumnWidth property of the Range class");
    for (int c = range_.firstCol; c <= range_.lastCol; ++c) ws->SetColumnWidth(c, PointsFromCharacters(*characters));
    return Ok();
  }
  // Columns fitted to their widest shown text in the host's text metrics.
  Status AutoFit(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (!range_.IsWholeColumns()) return Fail("AutoFit method of Range class failed");
    FitColumnsToText(*ws.sheet, range_.firstCol, range_.lastCol);
    SetBool(call.Result(), true);
    return Ok();
  }

  Status GetInterior(Call& call) { return ReturnObject(call, NewInteriorObject(SharedContext(), sheet_, range_)); }
  Status GetFont(Call& call) { return ReturnObject(call, NewFontObject(SharedContext(), sheet_, range_)); }
  Status GetBorders(Call& call) {
    DispatchRef borders = NewBordersObject(SharedContext(), sheet_, range_);
    if (call.Count() == 0) return ReturnObject(call, std::move(borders));
    Call item = call.Tail(0);
    return DispatchObject::From(borders.Get())->RunDefault(item);
  }
  Status GetFormatConditions(Call& call) {
    return ReturnObject(call, NewFormatConditionsObject(SharedContext(), sheet_, range_));
  }

  Status GetNumberFormat(Call& call) {
    return ReadSharedStyle(sheet_, range_, "Range", call.Result(),
                           [](const CellStyle& s, VARIANT* r) { SetText(r, s.numberFormat); });
  }
  Status PutNumberFormat(Call& call) {
    const auto text = call.ValueText();
    if (!text) return Fail("Unable to set the NumberFormat property of the Range class");
    return EachStyle([&](CellStyle& s) { s.numberFormat = *text; });
  }
  Status GetHorizontalAlignment(Call& call) {
    return ReadSharedStyle(sheet_, range_, "Range", call.Result(),
                           [](const CellStyle& s, VARIANT* r) { SetInt(r, s.horizontalAlignment); });
  }
  Status PutHorizontalAlignment(Call& call) {
    const auto v = call.ValueInt();
    if (!v) return Fail("Unable to set the HorizontalAlignment property of the Range class");
    return EachStyle([&](CellStyle& s) { s.horizontalAlignment = *v; });
  }
  Status GetVerticalAlignment(Call& call) {
    return ReadSharedStyle(sheet_, range_, "Range", call.Result(),
                           [](const CellStyle& s, VARIANT* r) { SetInt(r, s.verticalAlignment); });
  }
  Status PutVerticalAlignment(Call& call) {
    const auto v = call.ValueInt();
    if (!v) return Fail("Unable to set the VerticalAlignment property of the Range class");
    return EachStyle([&](CellStyle& s) { s.verticalAlignment = *v; });
  }

  Status Clear(Call& call) { return Clearing(call, 0); }
  Status ClearContents(Call& call) { return Clearing(call, 1); }
  Status ClearFormats(Call& call) { return Clearing(call, 2); }

  Status Copy(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (call.Has(0)) {
      auto* target = dynamic_cast<RangeObject*>(call.Object(0));
      if (!target) return Fail("Copy method of Range class failed");
      auto to = LockWorksheet(target->sheet_);
      if (!to) return Deleted("Range");
      CopyRange(*ws.sheet, range_, *to.sheet, target->range_.firstRow, target->range_.firstCol, PasteKind::All);
      RaiseChange(SharedContext(), to, Destination(target->range_));
      SetBool(call.Result(), true);
      return Ok();
    }
    Context().Book().App().clipboard = {PendingTransfer::Mode::Copy, ws->Name(), range_};
    SetBool(call.Result(), true);
    return Ok();
  }
  Status Cut(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    Context().Book().App().clipboard = {PendingTransfer::Mode::Cut, ws->Name(), range_};
    SetBool(call.Result(), true);
    return Ok();
  }
  Status PasteSpecial(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    const auto kind = PasteKindOf(call.Int(0).value_or(kPasteAll));
    if (!kind) return Fail("PasteSpecial method of Range class failed");
    return PasteInto(ws, *kind, call);
  }
  Status Insert(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (!range_.IsWholeRows()) return Fail("Insert method of Range class failed: only entire rows can be inserted");
    PendingTransfer& clip = Context().Book().App().clipboard;
    const bool cutRows = clip.mode == PendingTransfer::Mode::Cut && clip.sheet == ws->Name() && clip.range.IsWholeRows();
    bool done;
    if (cutRows) {
      done = MoveRows(*ws.sheet, clip.range.firstRow, clip.range.lastRow, range_.firstRow);
      clip = {};
    } else {
      done = InsertRows(*ws.sheet, range_.firstRow, range_.RowCount());
    }
    if (!done) return Fail("Insert method of Range class failed");
    RaiseChange(SharedContext(), ws, range_);
    SetBool(call.Result(), true);
    return Ok();
  }
  Status Delete(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (!range_.IsWholeRows()) return Fail("Delete method of Range class failed: only entire rows can be deleted");
    if (!DeleteRows(*ws.sheet, range_.firstRow, range_.RowCount())) return Fail("Delete method of Range class failed");
    RaiseChange(SharedContext(), ws, range_);
    SetBool(call.Result(), true);
    return Ok();
  }
  Status Select(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    SelectRange(SharedContext(), ws, range_);
    SetBool(call.Result(), true);
    return Ok();
  }

  Status GetRange(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    auto corner = [&](std::size_t i) -> std::optional<RangeRef> {
      if (auto* other = dynamic_cast<RangeObject*>(call.Object(i))) return other->range_;
      const auto text = call.Text(i);
      if (!text) return std::nullopt;
      auto r = ParseRangeRef(*text);
      if (!r) return std::nullopt;
      return RangeRef{r->firstRow + range_.firstRow - 1, r->firstCol + range_.firstCol - 1,
                      r->lastRow + range_.firstRow - 1, r->lastCol + range_.firstCol - 1};
    };
    auto a = corner(0);
    auto b = call.Has(1) ? corner(1) : a;
    if (!a || !b || !Worksheet::InSheet(std::max(a->lastRow, b->lastRow), std::max(a->lastCol, b->lastCol)))
      return Fail("Method 'Range' of object 'Range' failed");
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_,
                                             {std::min(a->firstRow, b->firstRow), std::min(a->firstCol, b->firstCol),
                                              std::max(a->lastRow, b->lastRow), std::max(a->lastCol, b->lastCol)}));
  }
  Status GetOffset(Call& call) {
    const int dr = call.Int(0).value_or(0), dc = call.Int(1).value_or(0);
    const RangeRef moved{range_.firstRow + dr, range_.firstCol + dc, range_.lastRow + dr, range_.lastCol + dc};
    if (!Worksheet::InSheet(moved.firstRow, moved.firstCol) || !Worksheet::InSheet(moved.lastRow, moved.lastCol))
      return Fail("Application-defined or object-defined error");
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, moved));
  }
  Status GetWorksheet(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    return ReturnObject(call, NewWorksheetObject(SharedContext(), sheet_));
  }
  Status GetApplication(Call& call) { return ReturnObject(call, NewApplicationObject(SharedContext())); }
  Status NewEnum(Call& call) {
    const long long n = view_ == RangeView::Rows ? range_.RowCount()
                        : view_ == RangeView::Columns ? range_.ColumnCount()
                                                      : CellCount(range_);
    const RangeRef range = range_;
    const RangeView view = view_;
    auto context = SharedContext();
    auto sheet = sheet_;
    UnknownRef e = NewItemEnumeratorFor(n, [=](std::size_t i) -> DispatchRef {
      const int k = static_cast<int>(i);
      if (view == RangeView::Rows)
        return NewRangeObject(context, sheet, {range.firstRow + k, range.firstCol, range.firstRow + k, range.lastCol},
                              view);
      if (view == RangeView::Columns)
        return NewRangeObject(context, sheet, {range.firstRow, range.firstCol + k, range.lastRow, range.firstCol + k},
                              view);
      const int r = range.firstRow + k / range.ColumnCount(), c = range.firstCol + k % range.ColumnCount();
      return NewRangeObject(context, sheet, {r, c, r, c});
    });
    return ReturnEnumerator(call, std::move(e));
  }

  // The pending Copy or Cut pasted here (Worksheet.Paste comes here too).
  Status PasteInto(const LiveWorksheet& ws, PasteKind kind, Call& call) {
    PendingTransfer& clip = Context().Book().App().clipboard;
    if (clip.mode == PendingTransfer::Mode::None) return Fail("PasteSpecial method of Range class failed");
    const Worksheet* from = Context().Book().FindWorksheet(clip.sheet);
    if (!from) return Fail("PasteSpecial method of Range class failed");
    if (!CopyRange(*from, clip.range, *ws.sheet, range_.firstRow, range_.firstCol, kind))
      return Fail("PasteSpecial method of Range class failed");
    const RangeRef written{range_.firstRow, range_.firstCol,
                           std::min(kMaxRows, range_.firstRow + clip.range.RowCount() - 1),
                           std::min(kMaxColumns, range_.firstCol + clip.range.ColumnCount() - 1)};
    if (clip.mode == PendingTransfer::Mode::Cut) clip = {};
    RaiseChange(SharedContext(), ws, written);
    SetBool(call.Result(), true);
    return Ok();
  }

  const RangeRef& Range() const { return range_; }
  const SheetWeak& SheetRef() const { return sheet_; }

 private:
  UnknownRef NewItemEnumeratorFor(long long n, ItemFactory f) const;

  static Status Int(Call& call, int value) {
    SetInt(call.Result(), value);
    return Ok();
  }

  RangeRef Destination(const RangeRef& target) const {
    return {target.firstRow, target.firstCol, std::min(kMaxRows, target.firstRow + range_.RowCount() - 1),
            std::min(kMaxColumns, target.firstCol + range_.ColumnCount() - 1)};
  }

  std::string AddressText(bool rowAbsolute, bool colAbsolute) const {
    std::string out;
    const auto row = [&](int r) {
      if (rowAbsolute) out += '$';
      out += std::to_string(r);
    };
    const auto column = [&](int c) {
      if (colAbsolute) out += '$';
      out += ColumnLetters(c);
    };
    const bool wholeRows = range_.IsWholeRows() && !range_.IsWholeColumns();
    const bool wholeColumns = range_.IsWholeColumns() && !range_.IsWholeRows();
    if (!wholeRows) column(range_.firstCol);
    if (!wholeColumns) row(range_.firstRow);
    if (wholeRows || wholeColumns || range_.RowCount() > 1 || range_.ColumnCount() > 1) {
      out += ':';
      if (!wholeRows) column(range_.lastCol);
      if (!wholeColumns) row(range_.lastRow);
    }
    return out;
  }

  Status Geometry(Call& call, int which) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    double v = 0;
    switch (which) {
      case 0: v = ws->ColumnLeft(range_.firstCol); break;
      case 1: v = ws->RowTop(range_.firstRow); break;
      case 2: v = ws->ColumnLeft(range_.lastCol) + ws->ColumnWidth(range_.lastCol) - ws->ColumnLeft(range_.firstCol); break;
      default: v = ws->RowTop(range_.lastRow) + ws->RowHeight(range_.lastRow) - ws->RowTop(range_.firstRow); break;
    }
    SetNumber(call.Result(), v);
    return Ok();
  }

  // Rows, Columns or Cells of this range, or one item of them when an index is given.
  Status Part(Call& call, RangeView view) {
    if (call.Count() == 0) return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, range_, view));
    RangeObject part(SharedContext(), sheet_, range_, view);
    return part.Item(call);
  }

  Status Item(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    std::optional<RangeRef> item;
    if (view_ != RangeView::Cells && call.Count() == 1) {
      item = SpanItem(call);
    } else if (call.Count() >= 2 && call.Has(1)) {
      const auto r = call.Int(0), c = call.Int(1);
      if (r && c) item = RangeRef{range_.firstRow + *r - 1, range_.firstCol + *c - 1, range_.firstRow + *r - 1,
                                  range_.firstCol + *c - 1};
    } else if (call.Count() >= 1) {
      const auto n = call.Int(0);
      if (n && *n >= 1) {
        const int k = *n - 1;
        const int r = range_.firstRow + k / range_.ColumnCount(), c = range_.firstCol + k % range_.ColumnCount();
        item = RangeRef{r, c, r, c};
      }
    }
    if (!item || !Worksheet::InSheet(item->firstRow, item->firstCol) || !Worksheet::InSheet(item->lastRow, item->lastCol))
      return Fail("Application-defined or object-defined error");
    return ReturnObject(call, NewRangeObject(SharedContext(), sheet_, *item, view_));
  }

  std::optional<RangeRef> SpanItem(const Call& call) const {
    const bool rows = view_ == RangeView::Rows;
    int first = 0, last = 0;
    if (call.Arg(0).vt == VT_BSTR) {
      const auto text = call.Text(0);
      const auto span = text ? ParseSpan(*text, rows) : std::nullopt;
      if (!span) return std::nullopt;
      first = span->first;
      last = span->second;
    } else {
      const auto n = call.Int(0);
      if (!n || *n < 1) return std::nullopt;
      first = last = *n;
    }
    if (rows) return RangeRef{range_.firstRow + first - 1, range_.firstCol, range_.firstRow + last - 1, range_.lastCol};
    return RangeRef{range_.firstRow, range_.firstCol + first - 1, range_.lastRow, range_.firstCol + last - 1};
  }

  Status PutThroughItem(Call& call) {
    VariantOwner item;
    Call head = call.Head(call.Count(), item.Get());
    const Status s = Item(head);
    if (!s.ok()) return s;
    auto* cell = static_cast<RangeObject*>(DispatchObject::From(item->pdispVal));
    Call put = call.Tail(call.Count());
    return cell->PutValue(put);
  }

  template <class F>
  Status EachStyle(F&& change) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    ws->ChangeStyles(range_, change);
    return Ok();
  }

  Status Clearing(Call& call, int what) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Range");
    if (what == 0) ws->Clear(range_);
    if (what == 1) ws->ClearContents(range_);
    if (what == 2) ws->ClearFormats(range_);
    if (what != 2) RaiseChange(SharedContext(), ws, range_);
    SetBool(call.Result(), true);
    return Ok();
  }

  SheetWeak sheet_;
  RangeRef range_;
  RangeView view_;
};

UnknownRef RangeObject::NewItemEnumeratorFor(long long n, ItemFactory f) const {
  return NewItemEnumerator(SharedContext(), static_cast<std::size_t>(std::max(0LL, n)), std::move(f));
}

constexpr RangeObject::Entry kRangeMembers[] = {
    {"Value", 2, &RangeObject::GetValue, &RangeObject::PutValue, true},
    {"Value2", 0, &RangeObject::GetValue, &RangeObject::PutValue},
    {"Formula", 0, &RangeObject::GetFormula, &RangeObject::PutFormula},
    {"FormulaLocal", 0, &RangeObject::GetFormula, &RangeObject::PutFormula},
    {"HasFormula", 0, &RangeObject::GetHasFormula},
    {"Text", 0, &RangeObject::GetText},
    {"Row", 0, &RangeObject::GetRow},
    {"Column", 0, &RangeObject::GetColumn},
    {"Count", 0, &RangeObject::GetCount},
    {"CountLarge", 0, &RangeObject::GetCount},
    {"Address", 2, &RangeObject::GetAddress},
    {"Rows", 1, &RangeObject::GetRows},
    {"Columns", 1, &RangeObject::GetColumns},
    {"Cells", 2, &RangeObject::GetCells},
    {"Item", 2, &RangeObject::GetItem, &RangeObject::PutValue},
    {"Left", 0, &RangeObject::GetLeft},
    {"Top", 0, &RangeObject::GetTop},
    {"Width", 0, &RangeObject::GetWidth},
    {"Height", 0, &RangeObject::GetHeight},
    {"EntireRow", 0, &RangeObject::GetEntireRow},
    {"EntireColumn", 0, &RangeObject::GetEntireColumn},
    {"Hidden", 0, &RangeObject::GetHidden, &RangeObject::PutHidden},
    {"RowHeight", 0, &RangeObject::GetRowHeight, &RangeObject::PutRowHeight},
    {"ColumnWidth", 0, &RangeObject::GetColumnWidth, &RangeObject::PutColumnWidth},
    {"AutoFit", 0, &RangeObject::AutoFit},
    {"Interior", 0, &RangeObject::GetInterior},
    {"Font", 0, &RangeObject::GetFont},
    {"Borders", 1, &RangeObject::GetBorders},
    {"FormatConditions", 0, &RangeObject::GetFormatConditions},
    {"NumberFormat", 0, &RangeObject::GetNumberFormat, &RangeObject::PutNumberFormat},
    {"NumberFormatLocal", 0, &RangeObject::GetNumberFormat, &RangeObject::PutNumberFormat},
    {"HorizontalAlignment", 0, &RangeObject::GetHorizontalAlignment, &RangeObject::PutHorizontalAlignment},
    {"VerticalAlignment", 0, &RangeObject::GetVerticalAlignment, &RangeObject::PutVerticalAlignment},
    {"Clear", 0, &RangeObject::Clear},
    {"ClearContents", 0, &RangeObject::ClearContents},
    {"ClearFormats", 0, &RangeObject::ClearFormats},
    {"Copy", 1, &RangeObject::Copy},
    {"Cut", 1, &RangeObject::Cut},
    {"PasteSpecial", 4, &RangeObject::PasteSpecial},
    {"Insert", 2, &RangeObject::Insert},
    {"Delete", 1, &RangeObject::Delete},
    {"Select", 0, &RangeObject::Select},
    {"Activate", 0, &RangeObject::Select},
    {"Range", 2, &RangeObject::GetRange},
    {"Offset", 2, &RangeObject::GetOffset},
    {"Worksheet", 0, &RangeObject::GetWorksheet},
    {"Parent", 0, &RangeObject::GetWorksheet},
    {"Application", 0, &RangeObject::GetApplication},
    {"_NewEnum", 0, &RangeObject::NewEnum},
};

std::span<const RangeObject::Entry> RangeObject::Entries() { return kRangeMembers; }

}  // namespace

DispatchRef NewRangeObject(ContextRef context, SheetWeak sheet, const RangeRef& range, RangeView view) {
  return DispatchRef(new RangeObject(std::move(context), std::move(sheet), range, view));
}

Status PasteOnSheet(const ContextRef& context, const SheetWeak& sheet, const RangeRef& at, Call& call) {
  auto ws = LockWorksheet(sheet);
  if (!ws) return Deleted("Worksheet");
  RangeObject target(context, sheet, at, RangeView::Cells);
  return target.PasteInto(ws, PasteKind::All, call);
}

bool RangeOf(IUnknown* object, SheetWeak* sheet, RangeRef* range) {
  auto* r = dynamic_cast<RangeObject*>(DispatchObject::From(object));
  if (!r) return false;
  *sheet = r->SheetRef();
  *range = r->Range();
  return true;
}

}  // namespace korvat::host::automation
