#pragma once
// What evaluating part of a formula gives: a single value or a rectangle of cells.

#include <string>

#include "host/values/cell_value.h"

namespace korvat::host::formula {

// A rectangle of cells on one sheet (empty = the formula's own sheet); bounds
// inclusive and ordered. Whole columns run to the last row of the grid.
struct CellRange {
  std::string sheet;
  int row1 = 1, col1 = 1, row2 = 1, col2 = 1;

  int rows() const { return row2 - row1 + 1; }
  int columns() const { return col2 - col1 + 1; }
  bool IsSingleCell() const { return row1 == row2 && col1 == col2; }
};

struct Operand {
  bool isRange = false;
  CellRange range;  // when isRange
  CellValue value;  // otherwise

  static Operand Of(CellValue v) {
    Operand o;
    o.value = std::move(v);
    return o;
  }
  static Operand Of(CellRange r) {
    Operand o;
    o.isRange = true;
    o.range = std::move(r);
    return o;
  }
  static Operand Error(CellError e) { return Of(CellValue::Error(e)); }
};

}  // namespace korvat::host::formula
