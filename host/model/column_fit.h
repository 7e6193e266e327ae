#pragma once
// Fitting columns to their text, as the host's AutoFit does: each column with shown text
// becomes as wide as its widest text in the cell's font, plus the 5 pixels a cell keeps
// around its text, so every text of the column fits. A text is measured in the host's
// whole-pixel layout and in the rendered page's (a few percent wider), the wider counting. The
// text is what the cell shows in its number format (a General number at full length, as a
// fitted column shows it). Columns without shown text keep their width.

#include "host/model/worksheet.h"

namespace korvat::host {

// Points of room a cell keeps beside its text (5 pixels at 0.75 points a pixel).
inline constexpr double kCellTextInsets = 3.75;
// The widest column the host allows: 255 characters of the default font.
inline constexpr double kMaxColumnPoints = 1342.5;

// The width, in points, a column needs for this shown text in the font.
double FittedWidth(std::string_view shownText, const Font& font);
// Fits the columns firstCol..lastCol of the sheet; returns how many changed width.
int FitColumnsToText(Worksheet& sheet, int firstCol, int lastCol);

}  // namespace korvat::host
