#pragma once
// The row operations the host performs on a worksheet. Each moves the cells, row heights and
// hidden flags, shapes and conditional formats of the sheet, and rewrites the references of
// every formula and defined name in the workbook that point at rows of this sheet.
// All return false and change nothing when the rows fall outside the sheet.

#include <functional>

namespace korvat::host {

class Worksheet;

// Inserts `count` empty rows before `row`; the rows from `row` on move down (rows pushed past
// the sheet's end are lost). As the host does by default, the new rows take the formats and
// height of the row above.
bool InsertRows(Worksheet& sheet, int row, int count);

// Deletes rows first..first+count-1; the rows below move up. References to deleted rows become
// #REF! (ranges shrink).
bool DeleteRows(Worksheet& sheet, int first, int count);

// Cuts rows first..last and inserts them before row `before` (the host's Cut then Insert with
// shift down). `before` inside first+1..last is refused; first or last+1 changes nothing.
bool MoveRows(Worksheet& sheet, int first, int last, int before);

// The general form: map(r) is the new row of row r, 0 when the row goes.
void ApplyRowMap(Worksheet& sheet, const std::function<int(int)>& map);

}  // namespace korvat::host
