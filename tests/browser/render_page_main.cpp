// Writes the page of a workbook file for the browser test: render_page WORKBOOK OUT.html
#include <cstdio>
#include <fstream>
#include <string>

#include "host/file/workbook_file.h"
#include "host/render/workbook_render.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_page WORKBOOK OUT.html\n");
    return 2;
  }
  auto loaded = korvat::host::file::LoadWorkbook(argv[1]);
  if (!loaded.ok()) {
    std::fprintf(stderr, "%s: %s\n", argv[1], loaded.error.c_str());
    return 1;
  }
  auto page = korvat::host::render::RenderWorkbookHtml(*loaded.workbook, {});
  if (!page.ok()) {
    std::fprintf(stderr, "%s\n", page.error.c_str());
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << page.text;
  return out.good() ? 0 : 1;
}
