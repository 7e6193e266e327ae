#include "convert_command.h"

#include "exit_status.h"

#include <cstdio>

#include "host/file/workbook_file.h"

namespace korvat::cli {

int ConvertWorkbook(const std::string& input, const std::string& output) {
  if (host::file::FormatOfPath(output) == host::file::FileFormat::Unknown) {
    std::fprintf(stderr, "korvat: %s: unknown workbook file type (expected .json, .xlsx or .xlsm)\n", output.c_str());
    return kExitUsage;
  }
  host::file::LoadResult loaded = host::file::LoadWorkbook(input);
  if (!loaded.ok()) {
    std::fprintf(stderr, "korvat: %s\n", loaded.error.c_str());
    return kExitUsage;
  }
  std::string error;
  if (!host::file::SaveWorkbook(*loaded.workbook, output, &error, loaded.package.get())) {
    std::fprintf(stderr, "korvat: cannot save %s: %s\n", output.c_str(), error.c_str());
    return kExitUsage;
  }
  return kExitSuccess;
}

}  // namespace korvat::cli
