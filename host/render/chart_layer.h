#pragma once
// An embedded chart inside its shape's box: title, value and category axes with gridlines,
// the series as lines with markers (columns for the clustered column type), and a legend
// named by the series. Series values and categories are the cells their references name,
// read through the model (formulas evaluated); cells that are not numbers leave gaps.

#include <string>
#include <vector>

#include "host/model/chart.h"
#include "host/model/worksheet.h"

namespace korvat::host::render {

// At most this many points per series are drawn.
inline constexpr int kMaxChartPoints = 10000;

// `sheet` is the sheet the references are read from when they name none.
void WriteChart(const Worksheet& sheet, const Chart& chart, double x, double y, double w, double h, std::string& out);

// Axis bounds and step that cover [low, high] in 2 to 10 round steps (1, 2 or 5 times a power
// of ten); a range without numbers gives 0..1.
struct AxisScale {
  double low = 0, high = 1, step = 0.2;
};
AxisScale NiceScale(double low, double high);

}  // namespace korvat::host::render
