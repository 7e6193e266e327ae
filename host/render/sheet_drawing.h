#pragma once
// A worksheet as SVG: the cells of a band of rows with the shapes that reach into it, and the
// whole sheet with its headings as one standalone document.

#include <string>
#include <vector>

#include "host/model/shape.h"
#include "host/render/sheet_layout.h"

namespace korvat::host::render {

// The shapes (in z-order) whose box reaches into each band, by band index.
std::vector<std::vector<const Shape*>> ShapesByBand(const SheetLayout& layout, const std::vector<RowBand>& bands);

// Cells then shapes; the caller's view box decides what of the shapes outside the band shows.
void WriteSheetBand(const SheetLayout& layout, const RowBand& band, const std::vector<const Shape*>& shapes,
                    Origin origin, std::string& out);

// The whole sheet with the headings over it, sized in points.
std::string StandaloneSheetSvg(const SheetLayout& layout);

}  // namespace korvat::host::render
