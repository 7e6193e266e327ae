#include "render_command.h"

#include "host/file/workbook_file.h"
#include "host/render/workbook_render.h"

#include <cstdio>
#include <fstream>

namespace korvat::cli {
namespace {

std::string DefaultOutput(const std::string& workbookPath, bool svg) {
  std::string base = workbookPath;
  const std::size_t dot = base.find_last_of('.');
  const std::size_t slash = base.find_last_of("/\\");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.resize(dot);
  return base + (svg ? ".svg" : ".html");
}

}  // namespace

int RenderWorkbook(const RenderCommandOptions& options) {
  if (options.svg && options.sheets.size() != 1) {
    std::fprintf(stderr, "korvat: --svg draws one sheet: give exactly one --sheet\n");
    return 2;
  }
  host::file::LoadResult loaded = host::file::LoadWorkbook(options.workbookPath);
  if (!loaded.ok()) {
    std::fprintf(stderr, "korvat: %s\n", loaded.error.c_str());
    return 1;
  }
  host::render::RenderResult page;
  if (options.svg) {
    page = host::render::RenderSheetSvg(*loaded.workbook, options.sheets.front());
  } else {
    host::render::RenderOptions renderOptions;
    renderOptions.sheets = options.sheets;
    page = host::render::RenderWorkbookHtml(*loaded.workbook, renderOptions);
  }
  if (!page.ok()) {
    std::fprintf(stderr, "korvat: %s\n", page.error.c_str());
    return 1;
  }
  const std::string output = options.outputPath.empty() ? DefaultOutput(options.workbookPath, options.svg)
                                                        : options.outputPath;
  std::ofstream out(output, std::ios::binary);
  out << page.text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "korvat: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("Rendered %s\n", output.c_str());
  return 0;
}

}  // namespace korvat::cli
