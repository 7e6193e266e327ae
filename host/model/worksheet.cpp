#include "host/model/worksheet.h"

#include <algorithm>

#include "host/model/cell_text_input.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {
const std::string kNoFormula;
}  // namespace

Worksheet::Worksheet(Workbook& parent, std::string name)
    : Sheet(parent, SheetKind::Worksheet, std::move(name)) {}

const Cell* Worksheet::FindCell(int row, int col) const {
  if (!InSheet(row, col)) return nullptr;
  auto it = cells_.find(CellKey(row, col));
  return it == cells_.end() ? nullptr : &it->second;
}

CellValue Worksheet::Value(int row, int col) const {
  const Cell* c = FindCell(row, col);
  if (!c) return CellValue::Empty();
  if (!c->HasFormula()) return c->value;
  return Parent().EvaluateCell(*this, *c);
}

const std::string& Worksheet::Formula(int row, int col) const {
  const Cell* c = FindCell(row, col);
  return c ? c->formula : kNoFormula;
}

bool Worksheet::HasFormula(int row, int col) const {
  const Cell* c = FindCell(row, col);
  return c && c->HasFormula();
}

Cell* Worksheet::CellForWrite(int row, int col) {
  if (!InSheet(row, col)) return nullptr;
  auto [it, added] = cells_.try_emplace(CellKey(row, col));
  if (added) {
    CountColumn(col, 1);
    it->second.style = formats_.StyleAt(row, col);
  }
  return &it->second;
}

void Worksheet::CountColumn(int col, int delta) {
  int& n = cellsPerColumn_[col];
  n += delta;
  if (n <= 0) cellsPerColumn_.erase(col);
}

void Worksheet::EraseIfBlank(int64_t key) {
  auto it = cells_.find(key);
  if (it == cells_.end() || it->second.HasContent()) return;
  // A cell without content that shows its block's format is held by the block alone.
  if (!(it->second.style == formats_.StyleAt(KeyRow(key), KeyColumn(key)))) return;
  CountColumn(KeyColumn(key), -1);
  cells_.erase(it);
}

void Worksheet::Touched() { Parent().BumpGeneration(); }

bool Worksheet::SetInput(int row, int col, CellValue value, std::string formula) {
  Cell* c = CellForWrite(row, col);
  if (!c) return false;
  if (formula.size() > 1 && formula.front() == '=') {
    if (c->formula != formula) c->parsed.reset();
    c->formula = std::move(formula);
    c->value = CellValue::Empty();
  } else {
    c->formula.clear();
    c->parsed.reset();
    c->value = std::move(value);
  }
  c->computedAt = 0;
  EraseIfBlank(CellKey(row, col));
  Touched();
  return true;
}

bool Worksheet::SetValue(int row, int col, CellValue value) {
  return SetInput(row, col, std::move(value), {});
}

bool Worksheet::SetCellFromText(int row, int col, std::string_view text) {
  // A cell formatted as text keeps what is written ("1.10" stays 1.10), as the host does.
  if (Style(row, col).numberFormat == "@" && !text.empty() && text.front() != '\'')
    return SetInput(row, col, CellValue::Text(std::string(text)), {});
  return SetInput(row, col, ValueFromText(text), {});
}

bool Worksheet::SetFormula(int row, int col, std::string_view text) {
  CellInput in = InputFromFormulaText(text);
  return SetInput(row, col, std::move(in.value), std::move(in.formula));
}

const CellStyle& Worksheet::Style(int row, int col) const {
  const Cell* c = FindCell(row, col);
  if (c) return c->style;
  return InSheet(row, col) ? formats_.StyleAt(row, col) : CellStyle::Default();
}

CellStyle* Worksheet::MutableStyle(int row, int col) {
  Cell* c = CellForWrite(row, col);
  return c ? &c->style : nullptr;
}

bool Worksheet::SetStyle(int row, int col, const CellStyle& style) {
  if (!InSheet(row, col)) return false;
  SetStyles(RangeRef{row, col, row, col}, style);
  return true;
}

namespace {
// Visits the stored cells of a range without walking empty space: columns that hold no cell
// cost nothing, a tall narrow range is looked up row by row.
template <typename Fn>
void ForStoredCells(std::map<int64_t, Cell>& cells, const std::map<int, int>& perColumn, const RangeRef& r, Fn fn) {
  bool any = false;
  for (auto c = perColumn.lower_bound(r.firstCol); c != perColumn.end() && c->first <= r.lastCol; ++c) {
    any = true;
    break;
  }
  if (!any) return;
  std::vector<int64_t> keys;
  auto collect = [&](auto it, auto end) {
    for (; it != end; ++it) {
      int col = Worksheet::KeyColumn(it->first);
      if (col >= r.firstCol && col <= r.lastCol) keys.push_back(it->first);
    }
  };
  const auto rows = static_cast<size_t>(r.RowCount());
  if (rows * 32 < cells.size()) {
    for (int row = r.firstRow; row <= r.lastRow; ++row)
      collect(cells.lower_bound(Worksheet::CellKey(row, r.firstCol)), cells.upper_bound(Worksheet::CellKey(row, r.lastCol)));
  } else {
    collect(cells.lower_bound(Worksheet::CellKey(r.firstRow, r.firstCol)),
            cells.upper_bound(Worksheet::CellKey(r.lastRow, r.lastCol)));
  }
  for (int64_t k : keys) fn(k, cells.at(k));
}
}  // namespace

void Worksheet::ClearContents(const RangeRef& range) {
  ForStoredCells(cells_, cellsPerColumn_, range, [&](int64_t key, Cell& c) {
    c.formula.clear();
    c.parsed.reset();
    c.value = CellValue::Empty();
    EraseIfBlank(key);
  });
  Touched();
}

void Worksheet::ChangeStyles(const RangeRef& range, const std::function<void(CellStyle&)>& change) {
  formats_.Change(range, change);
  ForStoredCells(cells_, cellsPerColumn_, range, [&](int64_t key, Cell& c) {
    change(c.style);
    EraseIfBlank(key);
  });
}

void Worksheet::SetStyles(const RangeRef& range, const CellStyle& style) {
  ChangeStyles(range, [&](CellStyle& s) { s = style; });
}

void Worksheet::ClearFormats(const RangeRef& range) {
  ChangeStyles(range, [](CellStyle& s) { s = CellStyle{}; });
  RemoveConditionalFormatsWithin(range);
}

void Worksheet::Clear(const RangeRef& range) {
  ForStoredCells(cells_, cellsPerColumn_, range, [&](int64_t, Cell& c) {
    c.formula.clear();
    c.parsed.reset();
    c.value = CellValue::Empty();
  });
  ClearFormats(range);
  Touched();
}

void Worksheet::ForEachShownCell(
    const RangeRef& range, const std::function<void(int, int, const CellStyle&, const Cell*)>& visit) const {
  const int lastRow = std::min(range.lastRow, LastUsedRow());
  if (formats_.Empty()) {
    auto it = cells_.lower_bound(CellKey(range.firstRow, range.firstCol));
    auto end = cells_.upper_bound(CellKey(lastRow, range.lastCol));
    for (; it != end; ++it) {
      const int c = KeyColumn(it->first);
      if (c >= range.firstCol && c <= range.lastCol) visit(KeyRow(it->first), c, it->second.style, &it->second);
    }
    return;
  }
  struct Span {
    int first, last;
    const CellStyle* style;
  };
  std::vector<Span> spans;
  for (int r = range.firstRow; r <= lastRow; ++r) {
    spans.clear();
    formats_.ForEachSpanInRow(r, range.firstCol, range.lastCol,
                              [&](int a, int b, const CellStyle& s) { spans.push_back({a, b, &s}); });
    auto it = cells_.lower_bound(CellKey(r, range.firstCol));
    auto end = cells_.upper_bound(CellKey(r, range.lastCol));
    auto storedBefore = [&](int col) {
      for (; it != end && KeyColumn(it->first) < col; ++it) visit(r, KeyColumn(it->first), it->second.style, &it->second);
    };
    for (const Span& s : spans)
      for (int c = s.first; c <= s.last; ++c) {
        storedBefore(c);
        if (it != end && KeyColumn(it->first) == c) {
          visit(r, c, it->second.style, &it->second);
          ++it;
        } else {
          visit(r, c, *s.style, nullptr);
        }
      }
    storedBefore(kMaxColumns + 1);
  }
}

FormatBlocks Worksheet::NormalFormats() const {
  FormatBlocks out = formats_;
  for (const auto& [key, cell] : cells_) {
    const int r = KeyRow(key), c = KeyColumn(key);
    if (!(cell.style == formats_.StyleAt(r, c))) out.Set(RangeRef{r, c, r, c}, cell.style);
  }
  return out;
}

int Worksheet::LastUsedRow() const {
  return std::max(cells_.empty() ? 0 : KeyRow(cells_.rbegin()->first), formats_.LastRow());
}

int Worksheet::LastUsedColumn() const {
  return std::max(cellsPerColumn_.empty() ? 0 : cellsPerColumn_.rbegin()->first, formats_.LastColumn());
}

int Worksheet::DeleteConditionalFormats(const RangeRef& range) {
  auto before = conditionalFormats_.size();
  std::erase_if(conditionalFormats_,
                [&](const ConditionalFormat& f) { return f.range.Intersects(range); });
  return static_cast<int>(before - conditionalFormats_.size());
}

int Worksheet::RemoveConditionalFormatsWithin(const RangeRef& range) {
  auto before = conditionalFormats_.size();
  std::erase_if(conditionalFormats_, [&](const ConditionalFormat& f) {
    return range.Contains(f.range.firstRow, f.range.firstCol) && range.Contains(f.range.lastRow, f.range.lastCol);
  });
  return static_cast<int>(before - conditionalFormats_.size());
}

namespace {

// Where a point lies among the rows: the row and the distance below its top.
struct RowAnchor {
  int row;
  double offset;
};

RowAnchor AnchorOf(const ExtentIndex& rows, double y) {
  int r = rows.IndexAt(y);
  return {r, y - rows.Offset(r)};
}

// The new place of an anchor; a row that goes takes its anchor to the first surviving row
// after it (the top of the gap).
double Reanchor(const ExtentIndex& rows, const RowAnchor& a, const std::function<int(int)>& map) {
  int to = map(a.row);
  if (to >= 1) return rows.Offset(to) + std::min(a.offset, rows.VisibleSize(to));
  for (int r = a.row + 1; r <= rows.Count(); ++r) {
    int next = map(r);
    if (next >= 1) return rows.Offset(next);
  }
  return rows.Offset(rows.Count());
}

}  // namespace

void Worksheet::RemapRows(const std::function<int(int)>& map) {
  // Shapes first: their anchors are measured on the rows as they were.
  struct Placed {
    Shape* shape;
    RowAnchor top, bottom;
  };
  std::vector<Placed> placed;
  for (const auto& s : shapes_.InZOrder()) {
    if (s->placement == kPlacementFreeFloating) continue;
    placed.push_back({s.get(), AnchorOf(rows_, s->top), AnchorOf(rows_, s->top + s->height)});
  }

  std::map<int64_t, Cell> moved;
  for (auto& [key, cell] : cells_) {
    int to = map(KeyRow(key));
    if (to >= 1 && to <= kMaxRows) moved.emplace(CellKey(to, KeyColumn(key)), std::move(cell));
  }
  cells_ = std::move(moved);
  formats_.RemapRows(map);
  cellsPerColumn_.clear();
  for (const auto& entry : cells_) ++cellsPerColumn_[KeyColumn(entry.first)];
  rows_.Remap(map);

  for (const Placed& p : placed) {
    double top = Reanchor(rows_, p.top, map);
    if (p.shape->placement == kPlacementMoveAndSize) {
      double bottom = Reanchor(rows_, p.bottom, map);
      p.shape->height = std::max(0.0, bottom - top);
    }
    p.shape->top = top;
  }
  shapes_.RerouteConnectors();

  std::vector<ConditionalFormat> kept;
  for (auto& f : conditionalFormats_) {
    if (!f.range.IsWholeColumns()) {
      int first = map(f.range.firstRow), last = map(f.range.lastRow);
      if (first < 1 && last < 1) continue;
      if (first >= 1 && last >= first) {
        f.range.firstRow = first;
        f.range.lastRow = last;
      }
    }
    kept.push_back(std::move(f));
  }
  conditionalFormats_ = std::move(kept);
  Touched();
}

}  // namespace korvat::host
