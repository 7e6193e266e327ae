#pragma once
// Where a drawing object sits on a worksheet in the file: a cell (0-based column and row)
// and an offset into it in EMU (12,700 per point), the way the host anchors shapes so that
// a shape keeps its place over its cells in any program.

#include <cstdint>

#include "host/model/worksheet.h"

namespace korvat::host::file::xlsx {

inline constexpr int64_t kEmuPerPoint = 12700;

struct CellAnchor {
  int col = 0;  // 0-based
  int64_t colOff = 0;
  int row = 0;  // 0-based
  int64_t rowOff = 0;
};

int64_t Emu(double points);
// EMU back to points; whole EMU values give back numbers of up to two decimals exactly.
double Points(int64_t emu);

// The cell whose visible span holds the point, and the offset into it.
CellAnchor AnchorAt(const Worksheet& sheet, double x, double y);
// The point an anchor stands for on the sheet's columns and rows.
void PointOf(const Worksheet& sheet, const CellAnchor& anchor, double* x, double* y);

}  // namespace korvat::host::file::xlsx
