#pragma once
// The drawing objects of a worksheet, one at a time in z-order: auto shapes by their preset
// outline, text boxes with their text, connectors (straight, elbow, curved) with their
// arrowheads, freeforms through their nodes, and embedded charts.

#include <string>

#include "host/model/shape.h"
#include "host/model/worksheet.h"
#include "host/render/sheet_layout.h"

namespace korvat::host::render {

// `sheet` is the shape's own sheet: charts resolve their references from it.
void WriteShape(const Worksheet& sheet, const Shape& shape, Origin origin, std::string& out);

}  // namespace korvat::host::render
