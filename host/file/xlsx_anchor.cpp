#include "host/file/xlsx_anchor.h"

#include <algorithm>
#include <cmath>

namespace korvat::host::file::xlsx {

int64_t Emu(double points) { return static_cast<int64_t>(std::llround(points * static_cast<double>(kEmuPerPoint))); }

double Points(int64_t emu) { return static_cast<double>(emu) / static_cast<double>(kEmuPerPoint); }

CellAnchor AnchorAt(const Worksheet& sheet, double x, double y) {
  CellAnchor a;
  const int col = std::clamp(sheet.Columns().IndexAt(std::max(0.0, x)), 1, kMaxColumns);
  const int row = std::clamp(sheet.Rows().IndexAt(std::max(0.0, y)), 1, kMaxRows);
  a.col = col - 1;
  a.row = row - 1;
  a.colOff = std::max<int64_t>(0, Emu(x) - Emu(sheet.ColumnLeft(col)));
  a.rowOff = std::max<int64_t>(0, Emu(y) - Emu(sheet.RowTop(row)));
  return a;
}

void PointOf(const Worksheet& sheet, const CellAnchor& a, double* x, double* y) {
  // An offset past the cell's far edge stops there, as the host reads it (a hidden column
  // holds nothing).
  const int col = std::clamp(a.col + 1, 1, kMaxColumns), row = std::clamp(a.row + 1, 1, kMaxRows);
  const int64_t left = Emu(sheet.ColumnLeft(col)), top = Emu(sheet.RowTop(row));
  const int64_t width = col < kMaxColumns ? Emu(sheet.ColumnLeft(col + 1)) - left : Emu(sheet.ColumnWidth(col));
  const int64_t height = row < kMaxRows ? Emu(sheet.RowTop(row + 1)) - top : Emu(sheet.RowHeight(row));
  *x = Points(left + std::clamp<int64_t>(a.colOff, 0, width));
  *y = Points(top + std::clamp<int64_t>(a.rowOff, 0, height));
}

}  // namespace korvat::host::file::xlsx
