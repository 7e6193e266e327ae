#pragma once
// The page: one tab per sheet, each sheet in its own scroll area with frozen headings. Rows
// are cut into bands that the browser skips painting while they are out of view, so a sheet
// of many thousand rows scrolls smoothly. Self-contained: inline SVG, CSS and a small script
// for the tabs; no network, no other files.

#include <string>
#include <vector>

#include "host/model/worksheet.h"

namespace korvat::host::render {

// Points to CSS pixels at the host's 100% zoom.
inline constexpr double kPixelsPerPoint = 4.0 / 3.0;

std::string WorkbookPage(const std::vector<const Worksheet*>& sheets);

}  // namespace korvat::host::render
