#pragma once
// A worksheet's drawing part: its shapes (auto shapes, text boxes, connectors glued to the
// sites of other shapes, freeforms, embedded charts) anchored to cells. What the markup
// cannot say exactly travels in the host's extension of each shape's properties.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "host/file/xlsx_color.h"
#include "host/model/worksheet.h"

namespace korvat::host::file::xlsx {

// The relationship id under which a chart shape's chart part is reached.
using ChartRelIdFn = std::function<std::string(const Shape& chartShape)>;

// The drawing part: the sheet's shapes from back to front, then `carried` (anchors of the
// drawing the file had that the model does not hold, as markup). `original` is the root of
// that drawing part (for its namespace declarations) or empty.
std::string DrawingXml(const Worksheet& sheet, const std::vector<std::string>& carried, const ChartRelIdFn& chartRelId,
                       const pugi::xml_node& original);
// The drawing of a chart sheet: its one chart over the whole sheet.
std::string ChartSheetDrawingXml(const std::string& chartRelId);

// Loads the chart part a chart shape names; null with *error on failure. The chart area's
// fill and line go into the shape.
using ChartLoadFn = std::function<std::shared_ptr<Chart>(const std::string& relId, Shape* shape, std::string* error)>;

// Reads a drawing part into the sheet's shapes (after the sheet's rows and columns are read,
// so anchors land where they belong). Anchors the model does not hold (pictures, groups,
// other frames) go to *carried as markup. False with *error naming the part and the anchor,
// e.g. for a shape anchored to a row beyond the sheet.
bool ReadDrawing(const pugi::xml_node& root, const std::string& part, const ThemeColors& theme, Worksheet& sheet,
                 const ChartLoadFn& loadChart, std::vector<std::string>* carried, std::string* error);

}  // namespace korvat::host::file::xlsx
