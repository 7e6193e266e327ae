#pragma once
// The JSON member names of the model's format structs (see docs/workbook-format.md).

#include <vector>

#include "host/file/json_fields.h"
#include "host/model/cell_style.h"
#include "host/model/chart.h"
#include "host/model/shape.h"

namespace korvat::host::file {

const std::vector<Field<Border>>& BorderFields();
const std::vector<Field<Interior>>& InteriorFields();
const std::vector<Field<Font>>& FontFields();
const std::vector<Field<FillFormat>>& FillFields();
const std::vector<Field<LineFormat>>& LineFields();
const std::vector<Field<TextFrame>>& TextFrameFields();
const std::vector<Field<ChartSeries>>& SeriesFields();
const std::vector<Field<ChartAxis>>& AxisFields();

}  // namespace korvat::host::file
