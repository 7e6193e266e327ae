#include "host/model/range_transfer.h"

#include <algorithm>
#include <vector>

#include "host/formula/formula.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

struct CopiedCell {
  int rowOffset;
  int colOffset;
  CellValue value;      // the constant, or the current result for Values
  std::string formula;  // already shifted
  CellStyle style;
};

std::vector<CopiedCell> Snapshot(const Worksheet& from, const RangeRef& range, int rowDelta,
                                 int colDelta, PasteKind kind) {
  std::vector<CopiedCell> out;
  const auto& cells = from.Cells();
  auto it = cells.lower_bound(Worksheet::CellKey(range.firstRow, range.firstCol));
  auto end = cells.upper_bound(Worksheet::CellKey(range.lastRow, range.lastCol));
  for (; it != end; ++it) {
    const int r = Worksheet::KeyRow(it->first), c = Worksheet::KeyColumn(it->first);
    if (c < range.firstCol || c > range.lastCol) continue;
    const Cell& cell = it->second;
    CopiedCell copy{r - range.firstRow, c - range.firstCol, cell.value, {}, cell.style};
    if (kind == PasteKind::Values) {
      copy.value = from.Value(r, c);
    } else if (cell.HasFormula()) {
      copy.formula = formula::ShiftRelative(cell.formula, rowDelta, colDelta);
    }
    out.push_back(std::move(copy));
  }
  return out;
}

// The source's conditional formats over the copied range, cut to it and moved with the
// cells; their formulas shift as the cells' formulas do.
std::vector<ConditionalFormat> CopiedConditionalFormats(const Worksheet& from, const RangeRef& range, int rowDelta,
                                                        int colDelta) {
  std::vector<ConditionalFormat> out;
  for (const ConditionalFormat& f : from.ConditionalFormats()) {
    if (!f.range.Intersects(range)) continue;
    ConditionalFormat copy = f;
    copy.range = {std::max(f.range.firstRow, range.firstRow) + rowDelta,
                  std::max(f.range.firstCol, range.firstCol) + colDelta,
                  std::min({f.range.lastRow, range.lastRow, kMaxRows - rowDelta}) + rowDelta,
                  std::min({f.range.lastCol, range.lastCol, kMaxColumns - colDelta}) + colDelta};
    if (copy.range.lastRow < copy.range.firstRow || copy.range.lastCol < copy.range.firstCol) continue;
    auto shifted = [&](const std::string& text) {
      if (text.empty()) return text;
      std::string moved = formula::ShiftRelative("=" + text, rowDelta, colDelta);
      return moved.empty() || moved.front() != '=' ? moved : moved.substr(1);
    };
    copy.formula1 = shifted(f.formula1);
    copy.formula2 = shifted(f.formula2);
    out.push_back(std::move(copy));
  }
  return out;
}

struct CopiedBlock {
  RangeRef area;  // moved to the destination
  CellStyle style;
};

// The source's formatted blocks over the range, moved with the cells.
std::vector<CopiedBlock> SnapshotBlocks(const Worksheet& from, const RangeRef& range, int rowDelta, int colDelta) {
  std::vector<CopiedBlock> out;
  from.Formats().ForEachBlock(range, [&](const RangeRef& a, const CellStyle& s) {
    out.push_back({{a.firstRow + rowDelta, a.firstCol + colDelta, a.lastRow + rowDelta, a.lastCol + colDelta}, s});
  });
  return out;
}

}  // namespace

bool CopyRange(const Worksheet& from, const RangeRef& range, Worksheet& to, int row, int col,
               PasteKind kind) {
  if (!Worksheet::InSheet(row, col)) return false;
  const int rowDelta = row - range.firstRow, colDelta = col - range.firstCol;
  std::vector<CopiedCell> copied = Snapshot(from, range, rowDelta, colDelta, kind);
  const bool formats = kind == PasteKind::All || kind == PasteKind::Formats;
  std::vector<ConditionalFormat> conditions;
  std::vector<CopiedBlock> blocks;
  if (formats) {
    conditions = CopiedConditionalFormats(from, range, rowDelta, colDelta);
    blocks = SnapshotBlocks(from, range, rowDelta, colDelta);
  }

  RangeRef target{row, col, std::min(kMaxRows, row + range.RowCount() - 1),
                  std::min(kMaxColumns, col + range.ColumnCount() - 1)};
  const bool contents = kind != PasteKind::Formats;
  if (contents) to.ClearContents(target);
  if (formats) to.ClearFormats(target);
  for (const CopiedBlock& b : blocks) {
    const RangeRef area{b.area.firstRow, b.area.firstCol, std::min(b.area.lastRow, target.lastRow),
                        std::min(b.area.lastCol, target.lastCol)};
    if (area.firstRow <= area.lastRow && area.firstCol <= area.lastCol) to.SetStyles(area, b.style);
  }

  for (const CopiedCell& c : copied) {
    const int r = row + c.rowOffset, k = col + c.colOffset;
    if (!target.Contains(r, k)) continue;
    if (formats) to.SetStyle(r, k, c.style);
    if (contents && (!c.formula.empty() || !c.value.IsEmpty())) to.SetInput(r, k, c.value, c.formula);
  }
  for (ConditionalFormat& f : conditions) to.ConditionalFormats().push_back(std::move(f));
  to.Parent().BumpGeneration();
  return true;
}

}  // namespace korvat::host
