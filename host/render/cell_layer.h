#pragma once
// The cells of a band of rows: grid lines, fills, texts in their number formats, fonts and
// alignments, and borders. Empty cells cost nothing: grid lines are one path, fills and
// borders one path per colour and line kind, and only cells with a text get an element.
//
// Border widths are the host's pixels at 100% zoom, in points: hairline and thin 0.75,
// medium 1.5, thick 2.25.

#include <string>

#include "host/render/sheet_layout.h"

namespace korvat::host::render {

inline constexpr const char* kGridLineColor = "#d9d9d9";

void WriteCellLayer(const SheetLayout& layout, const RowBand& band, Origin origin, std::string& out);

// The stroke width of a border weight (1 hairline, 2 thin, -4138 medium, 4 thick).
double BorderStrokeWidth(int weight);

}  // namespace korvat::host::render
