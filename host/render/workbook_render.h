#pragma once
// Rendering a workbook as the spreadsheet host shows it: each worksheet's grid at its column
// widths and row heights (hidden ones left out) with headings, cell texts in their number
// formats with fills, borders, fonts and alignment, every shape in z-order, and embedded
// charts. Output is text: a self-contained HTML page, or one sheet as a standalone SVG.
// Rendering reads the model only (formula values through Worksheet::Value).

#include <string>
#include <vector>

#include "host/model/workbook.h"

namespace korvat::host::render {

struct RenderOptions {
  // Sheets by code name or name (either without regard to case); empty: every visible
  // worksheet, in workbook order. A sheet named here is drawn even when hidden.
  std::vector<std::string> sheets;
};

struct RenderResult {
  std::string text;   // the page or SVG on success, empty on failure
  std::string error;  // what went wrong, naming the sheet; empty on success
  bool ok() const { return error.empty(); }
};

RenderResult RenderWorkbookHtml(const Workbook& book, const RenderOptions& options);
RenderResult RenderSheetSvg(const Workbook& book, const std::string& sheetCodeOrName);

}  // namespace korvat::host::render
