// MATCH and INDEX.

#include <cmath>

#include "host/formula/functions.h"
#include "host/formula/match_scan.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

// MATCH(key, range, [type]): the 1-based position of key in a one-row or
// one-column range, by the rule of MatchScan; type 1 when left out. #N/A when
// nothing matches.
Operand Match(FunctionArgs& a) {
  CellValue key = a.Scalar(0);
  if (key.IsError()) return Operand::Of(key);
  if (key.IsEmpty()) return Operand::Error(CellError::NA);
  Operand where = a.Get(1);
  if (!where.isRange) {
    if (where.value.IsError()) return where;
    return Operand::Error(CellError::NA);
  }
  int type = 1;
  if (!a.Omitted(2)) {
    CellValue t = ToNumber(a.Scalar(2));
    if (t.IsError()) return Operand::Of(t);
    type = t.number > 0 ? 1 : (t.number < 0 ? -1 : 0);
  }
  const CellRange& range = where.range;
  if (range.rows() != 1 && range.columns() != 1) return Operand::Error(CellError::NA);
  bool byColumn = range.columns() == 1;

  MatchScan scan(key, type);
  a.interpreter().ForEachCell(range, [&](const CellValue& v, int row, int col) {
    return scan.Visit(v, byColumn ? row - range.row1 + 1 : col - range.col1 + 1);
  });
  int found = scan.found();
  if (found == 0) return Operand::Error(CellError::NA);
  return Operand::Of(CellValue::Number(found));
}

// INDEX(range, row, [column]): the cell at that place, as a reference. In a
// one-row range a single index counts columns.
Operand Index(FunctionArgs& a) {
  Operand where = a.Get(0);
  if (!where.isRange) {
    if (where.value.IsError()) return where;
    return Operand::Error(CellError::Ref);
  }
  CellValue first = ToNumber(a.Scalar(1));
  if (first.IsError()) return Operand::Of(first);
  CellValue second = a.Omitted(2) ? CellValue::Number(0) : ToNumber(a.Scalar(2));
  if (second.IsError()) return Operand::Of(second);
  CellRange range = where.range;
  double row = std::trunc(first.number), col = std::trunc(second.number);
  if (a.Omitted(2) && range.rows() == 1 && range.columns() > 1) {
    col = row;
    row = 0;
  }
  if (row < 0 || col < 0 || row > range.rows() || col > range.columns())
    return Operand::Error(CellError::Ref);
  if (row > 0) range.row1 = range.row2 = range.row1 + static_cast<int>(row) - 1;
  if (col > 0) range.col1 = range.col2 = range.col1 + static_cast<int>(col) - 1;
  return Operand::Of(std::move(range));
}

}  // namespace korvat::host::formula::functions
