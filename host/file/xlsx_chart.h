#pragma once
// A chart part (c:chartSpace): the chart type, its series with their references, the
// categories, the title and the axes; the chart area's fill and line. Values the markup
// has no place for (the source range as set, the plot order) travel in the host's extension.

#include <string>

#include <pugixml.hpp>

#include "host/file/xlsx_color.h"
#include "host/model/chart.h"
#include "host/model/shape.h"

namespace korvat::host::file::xlsx {

std::string ChartXml(const Chart& chart, const FillFormat& areaFill, const LineFormat& areaLine);

// Reads a chart part into *chart (and the chart area into *fill and *line). False with
// *error naming the part when it is not a chart.
bool ReadChart(const pugi::xml_node& root, const std::string& part, const ThemeColors& theme, Chart* chart,
               FillFormat* fill, LineFormat* line, std::string* error);

}  // namespace korvat::host::file::xlsx
