#include "host/model/row_operations.h"

#include <vector>

#include "host/formula/formula.h"
#include "host/model/text_compare.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

// Rewrites a formula's references to rows of `moved`; `own` is the sheet the formula stands on
// (null for workbook-level names, whose unqualified references point nowhere).
std::string RemapFormula(const std::string& text, const Worksheet* own, const Worksheet& moved,
                         const std::function<int(int)>& map) {
  const bool onMovedSheet = own == &moved;
  return formula::RemapRows(text, map, [&](std::string_view qualifier) {
    return qualifier.empty() ? onMovedSheet : EqualsIgnoreCase(qualifier, moved.Name());
  });
}

void RemapNames(DefinedNames& names, const Worksheet* own, const Worksheet& moved,
                const std::function<int(int)>& map) {
  for (auto& [key, entry] : names.MutableEntries()) {
    std::string updated = RemapFormula("=" + entry.reference, own, moved, map);
    if (!updated.empty() && updated.front() == '=') updated.erase(0, 1);
    entry.reference = updated;
  }
}

void RemapWorkbookFormulas(Worksheet& moved, const std::function<int(int)>& map) {
  Workbook& book = moved.Parent();
  for (Worksheet* ws : book.Worksheets()) {
    for (auto& [key, cell] : ws->MutableCells()) {
      if (!cell.HasFormula()) continue;
      std::string updated = RemapFormula(cell.formula, ws, moved, map);
      if (updated != cell.formula) {
        cell.formula = std::move(updated);
        cell.parsed.reset();
      }
    }
    RemapNames(ws->Names(), ws, moved, map);
  }
  RemapNames(book.Names(), nullptr, moved, map);
}

bool ValidRow(int r) { return r >= 1 && r <= kMaxRows; }

// The formats and height of the row above, given to newly inserted rows.
void CopyRowFormat(Worksheet& sheet, int from, int firstNew, int count) {
  struct Span {
    int first, last;
    CellStyle style;
  };
  std::vector<Span> spans;
  sheet.ForEachShownCell({from, 1, from, kMaxColumns}, [&](int, int col, const CellStyle& style, const Cell*) {
    if (style.IsDefault()) return;
    if (!spans.empty() && spans.back().last == col - 1 && spans.back().style == style) {
      spans.back().last = col;
    } else {
      spans.push_back({col, col, style});
    }
  });
  const double height = sheet.Rows().Size(from);
  const int lastNew = std::min(kMaxRows, firstNew + count - 1);
  for (const Span& s : spans) sheet.SetStyles({firstNew, s.first, lastNew, s.last}, s.style);
  for (int r = firstNew; r <= lastNew; ++r) sheet.SetRowHeight(r, height);
}

}  // namespace

void ApplyRowMap(Worksheet& sheet, const std::function<int(int)>& map) {
  sheet.RemapRows(map);
  RemapWorkbookFormulas(sheet, map);
  sheet.Parent().BumpGeneration();
}

bool InsertRows(Worksheet& sheet, int row, int count) {
  if (!ValidRow(row) || count < 1 || count > kMaxRows) return false;
  ApplyRowMap(sheet, [=](int r) {
    if (r < row) return r;
    long long to = static_cast<long long>(r) + count;
    return to > kMaxRows ? 0 : static_cast<int>(to);
  });
  if (row > 1) CopyRowFormat(sheet, row - 1, row, count);
  return true;
}

bool DeleteRows(Worksheet& sheet, int first, int count) {
  if (!ValidRow(first) || count < 1 || count > kMaxRows - first + 1) return false;
  ApplyRowMap(sheet, [=](int r) {
    if (r < first) return r;
    if (r < first + count) return 0;
    return r - count;
  });
  return true;
}

bool MoveRows(Worksheet& sheet, int first, int last, int before) {
  if (!ValidRow(first) || !ValidRow(last) || first > last || before < 1 || before > kMaxRows + 1)
    return false;
  if (before > first && before <= last) return false;
  if (before == first || before == last + 1) return true;
  const int n = last - first + 1;
  if (before < first) {
    ApplyRowMap(sheet, [=](int r) {
      if (r >= before && r < first) return r + n;
      if (r >= first && r <= last) return r - (first - before);
      return r;
    });
  } else {
    ApplyRowMap(sheet, [=](int r) {
      if (r > last && r < before) return r - n;
      if (r >= first && r <= last) return r + (before - 1 - last);
      return r;
    });
  }
  return true;
}

}  // namespace korvat::host
