#pragma once
// A shape's fill and line as drawing markup writes them (solid, pattern or no fill with
// transparency; weight, dash style, compound style, arrowheads), for shapes and a chart's area.

#include <string>

#include <pugixml.hpp>

#include "host/file/xlsx_color.h"
#include "host/model/shape.h"

namespace korvat::host::file::xlsx {

std::string FillXml(const FillFormat& fill);
std::string LineXml(const LineFormat& line);
// Reads them from a shape-properties element (theme colours as the theme gives them);
// what the element does not say leaves the values as they are.
void ReadFillAndLine(const pugi::xml_node& spPr, const ThemeColors& theme, FillFormat* fill, LineFormat* line);

}  // namespace korvat::host::file::xlsx
