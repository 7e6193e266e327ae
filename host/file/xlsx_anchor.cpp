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
  *x = Points(Emu(sheet.ColumnLeft(std::clamp(a.col + 1, 1, kMaxColumns))) + a.colOff);
  *y = Points(Emu(sheet.RowTop(std::clamp(a.row + 1, 1, kMaxRows))) + a.rowOff);
}

}  // namespace korvat::host::file::xlsx
