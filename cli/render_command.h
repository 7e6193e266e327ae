#pragma once
// korvat render: draw a workbook's sheets as a self-contained page, or one sheet
// as a standalone SVG.

#include <string>
#include <vector>

namespace korvat::cli {

struct RenderCommandOptions {
  std::string workbookPath;
  std::vector<std::string> sheets;  // code names or names; empty = every visible worksheet
  std::string outputPath;           // empty: the workbook's name with .html (or .svg)
  bool svg = false;
};

int RenderWorkbook(const RenderCommandOptions& options);

}  // namespace korvat::cli
