#pragma once
// The workbook file: JSON as described in docs/workbook-format.md. Loading never throws and
// never crashes on bad input; a malformed file gives a message that names the place, e.g.
// "sheets[2].cells.B7.b.left.weight: expected a number". Saving writes the canonical form, so
// loading a canonical file and saving it again gives the same text.

#include <memory>
#include <string>
#include <string_view>

#include "host/model/workbook.h"

namespace korvat::host::file {

struct LoadResult {
  std::unique_ptr<Workbook> workbook;  // null on failure
  std::string error;                   // empty on success
  bool ok() const { return workbook != nullptr; }
};

// `path` is UTF-8.
LoadResult LoadWorkbook(const std::string& path);
LoadResult LoadWorkbookFromText(std::string_view json);

// The canonical text: two-space indentation, members in a fixed order, cells in row-major
// order, defaults left out, a final newline.
std::string WorkbookToText(const Workbook& workbook);
// False with *error set (when given) when the file cannot be written.
bool SaveWorkbook(const Workbook& workbook, const std::string& path, std::string* error);

}  // namespace korvat::host::file
