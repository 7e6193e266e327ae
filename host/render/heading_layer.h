#pragma once
// The row and column headings: letters over the columns, numbers beside the rows, on the
// host's grey strips. Hidden rows and columns have no heading.

#include <string>

#include "host/render/sheet_layout.h"

namespace korvat::host::render {

// The strip of column letters; `origin` is where column 1's Left lands, the strip's top is
// origin.y - the heading height.
void WriteColumnHeadings(const SheetLayout& layout, Origin origin, std::string& out);
// The numbers of a band's rows; the strip's right edge is origin.x, row tops land at
// origin.y + RowTop.
void WriteRowHeadings(const SheetLayout& layout, const RowBand& band, Origin origin, std::string& out);
// The corner box above the row numbers; its bottom-right corner is `origin`.
void WriteHeadingCorner(const SheetLayout& layout, Origin origin, std::string& out);

}  // namespace korvat::host::render
